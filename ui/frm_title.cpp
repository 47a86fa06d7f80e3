#include "ui/frm_title.h"

#include <memory>

#include "ui/application.h"

#include <QFont>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zorvan::ui {

FrmTitle::FrmTitle(QWidget* parent, const QString& version, const QString& revision, const QString& date)
    : ScreenDialog(parent, "frm_Title") {
  setWindowTitle("ZORVAN");
  auto* name = NamedLabel(this, "lbl_Title", "ZORVAN");
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 3);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignCenter);
  auto* purpose = NamedLabel(this, "lbl_Purpose",
                             "A Program for the Mechanical Dynamic Analysis\nof IC Engines and Compressors");
  purpose->setAlignment(Qt::AlignCenter);
  auto* release = NamedLabel(this, "lbl_Release",
                             QString("Release %1   Rev %2   %3").arg(version, revision, date));
  release->setAlignment(Qt::AlignCenter);

  auto* abort = NamedButton(this, "cmd_Abort", "< &Abort");
  auto* start = NamedButton(this, "cmd_Start", "&Start >");
  start->setDefault(true);  // Enter starts
  start->setFocus();
  connect(start, &QPushButton::clicked, this, [this] { if (onStart) onStart(); });
  connect(abort, &QPushButton::clicked, this, [this] { if (onAbort) onAbort(); });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(abort);
  buttons->addStretch();
  buttons->addWidget(start);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 32, 32, 24);
  layout->setSpacing(16);
  layout->addWidget(name);
  layout->addWidget(purpose);
  layout->addWidget(release);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(520, 320);
}

void FrmTitle::reject() {
  if (onAbort) onAbort();
}

void RegisterTitle(Application& app) {
  const ProgramValues& v = app.Values();
  auto title = std::make_unique<FrmTitle>(nullptr, QString::fromStdString(v.ProgramVersion),
                                          QString::fromStdString(v.Revision), QString::fromStdString(v.ReleaseDate));
  FrmTitle* t = title.get();
  t->onStart = [&app, t] {
    t->hide();
    app.SetStartingUp(true);
    QWidget* disclaimer = app.Screen<QWidget>(ScreenId::Disclaimer);
    Application::Place(disclaimer);
    Application::ShowModal(disclaimer);
  };
  t->onAbort = [&app] { app.Show(ScreenId::Quit, Modality::Modal); };
  app.Register({ScreenId::Title, std::move(title), {}, true, {}});
}

}  // namespace zorvan::ui
