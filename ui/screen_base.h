#pragma once
// Helpers shared by the screens: buttons and labels named after their controls.
#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QString>
#include <initializer_list>
#include <utility>

#include "core/program_values.h"

namespace zorvan::ui {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text);

// A framed panel of summary labels added to `into`: the group box `frame`
// with its caption, the labels named and kept as listed, one below the other.
QGroupBox* InfoPanel(QWidget* parent, QBoxLayout* into, const char* frame, const QString& caption,
                     std::initializer_list<std::pair<QLabel**, const char*>> labels);

// Sets the screen's header label lbl_Header to the Titlebox text (user, design
// number, date, time, file); creates nothing when the screen has no such label.
void SetTitlebox(QWidget* screen, const ProgramValues& values);

// A text box named after its control: tool tip, width, and the screen's event
// filter (which selects the whole text when the box gains the focus).
QLineEdit* NamedBox(QWidget* parent, const QString& name, const char* tip, int maxWidth, QObject* filter);
// For a screen's event filter: a box that gains the focus has its whole text selected.
void SelectAllOnFocus(QObject* watched, QEvent* event);

// The animation controls of the linkage screens: the speed slider (0..32767)
// and the list of its ranges, with its start text.
QSlider* SpeedSlider(QWidget* parent);
QComboBox* SpeedRangeList(QWidget* parent);
// The range a list text names, or 0 when it names none.
int SpeedRangeOf(const QString& text);

// A screen shown as a dialog window: fixed title bar buttons, no help button.
class ScreenDialog : public QDialog {
 public:
  ScreenDialog(QWidget* parent, const char* name);
};

}  // namespace zorvan::ui
