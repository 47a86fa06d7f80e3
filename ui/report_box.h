#pragma once
// The box that shows reports and notices: information icon, the text in a
// fixed-width font without line wrapping (so columns line up), selectable for
// copying, and an OK button.
#include <QDialog>
#include <QString>

namespace zorvan::ui {

class ReportBox : public QDialog {
 public:
  ReportBox(QWidget* parent, const QString& title, const QString& text);
};

}  // namespace zorvan::ui
