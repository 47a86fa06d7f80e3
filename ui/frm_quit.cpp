#include "ui/frm_quit.h"

#include <memory>

#include "ui/application.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zorvan::ui {

FrmQuit::FrmQuit(QWidget* parent) : ScreenDialog(parent, "frm_Quit") {
  setWindowTitle("Quit");
  auto* question = NamedLabel(this, "lbl_Quit", "Do you really want to Quit?");
  question->setAlignment(Qt::AlignCenter);
  auto* no = NamedButton(this, "cmd_NoQuit", "< &No");
  auto* yes = NamedButton(this, "cmd_YesQuit", "&Yes >");
  no->setDefault(true);
  connect(no, &QPushButton::clicked, this, &QWidget::hide);
  connect(yes, &QPushButton::clicked, this, [this] {
    hide();
    if (onYes) onYes();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(no);
  buttons->addStretch();
  buttons->addWidget(yes);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 16);
  layout->setSpacing(20);
  layout->addWidget(question);
  layout->addLayout(buttons);
  resize(340, 140);
}

void FrmQuit::showEvent(QShowEvent* e) {
  ScreenDialog::showEvent(e);
  findChild<QPushButton*>("cmd_NoQuit")->setFocus();
}

void RegisterQuit(Application& app) {
  auto quit = std::make_unique<FrmQuit>(nullptr);
  quit->onYes = [&app] { app.GetShell().YesQuit(); };
  app.Register({ScreenId::Quit, std::move(quit), {}, true, {}});
}

}  // namespace zorvan::ui
