#pragma once
// Helpers shared by the screens: buttons and labels named after their controls.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace zorvan::ui {

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);
QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text);

// A screen shown as a dialog window: fixed title bar buttons, no help button.
class ScreenDialog : public QDialog {
 public:
  ScreenDialog(QWidget* parent, const char* name);
};

}  // namespace zorvan::ui
