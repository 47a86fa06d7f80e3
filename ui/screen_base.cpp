#include "ui/screen_base.h"

#include "core/captions.h"
#include "ui/qt_platform.h"

namespace zorvan::ui {

void SetTitlebox(QWidget* screen, const ProgramValues& values) {
  if (auto* header = screen->findChild<QLabel*>("lbl_Header"))
    header->setText(QtText(TitleboxText(values)));
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(96);
  return b;
}

QLabel* NamedLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

ScreenDialog::ScreenDialog(QWidget* parent, const char* name) : QDialog(parent) {
  setObjectName(name);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

}  // namespace zorvan::ui
