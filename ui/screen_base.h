#pragma once
// Helpers shared by the screens: buttons and labels named after their controls.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include "core/program_values.h"

namespace zorvan::ui {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text);

// Sets the screen's header label lbl_Header to the Titlebox text (user, design
// number, date, time, file); creates nothing when the screen has no such label.
void SetTitlebox(QWidget* screen, const ProgramValues& values);

// A screen shown as a dialog window: fixed title bar buttons, no help button.
class ScreenDialog : public QDialog {
 public:
  ScreenDialog(QWidget* parent, const char* name);
};

}  // namespace zorvan::ui
