#include "ui/frm_disclaimer.h"

#include <memory>

#include "ui/application.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zorvan::ui {

namespace {
const char* const kDisclaimer =
    "ZORVAN is an engineering aid. Its results are computed from the data you enter and from "
    "simplified models of the slider-crank mechanism: rigid links, a two-mass connecting rod, "
    "a normalised gas-pressure curve and constant crank speed.\n\n"
    "The program is provided as is, without warranty of any kind, express or implied, including "
    "fitness for a particular purpose. You are responsible for checking every result before "
    "using it in a design, and for the safety of any machine built from it.\n\n"
    "The authors accept no liability for any loss or damage arising from the use of the program "
    "or of its results.";
}

FrmDisclaimer::FrmDisclaimer(QWidget* parent) : ScreenDialog(parent, "frm_Disclaimer") {
  setWindowTitle("Disclaimer");
  auto* heading = NamedLabel(this, "lbl_Heading", "<b>Disclaimer of Warranty</b>");
  auto* text = NamedLabel(this, "lbl_Disclaimer", kDisclaimer);
  text->setWordWrap(true);
  auto* done = NamedButton(this, "cmd_Done", "&Next >");
  done->setDefault(true);
  connect(done, &QPushButton::clicked, this, [this] {
    hide();
    if (onDone) onDone();
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(done);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 24, 24, 16);
  layout->setSpacing(12);
  layout->addWidget(heading);
  layout->addWidget(text);
  layout->addStretch();
  layout->addLayout(buttons);
  setMinimumWidth(520);
  resize(560, 360);
}

void FrmDisclaimer::reject() {
  hide();
  if (onDone) onDone();
}

void RegisterDisclaimer(Application& app) {
  auto disclaimer = std::make_unique<FrmDisclaimer>(nullptr);
  // At start-up the disclaimer leads on to the home screen; later it only closes.
  disclaimer->onDone = [&app] {
    if (!app.StartingUp()) return;
    app.SetStartingUp(false);
    QWidget* home = app.Screen<QWidget>(ScreenId::Home);
    Application::Place(home);
    home->show();
  };
  app.Register({ScreenId::Disclaimer, std::move(disclaimer), {}, true, {}});
}

}  // namespace zorvan::ui
