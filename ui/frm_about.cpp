#include "ui/frm_about.h"

#include <memory>

#include "ui/application.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zorvan::ui {

FrmAbout::FrmAbout(QWidget* parent, const QString& version, const QString& revision, const QString& date)
    : ScreenDialog(parent, "frm_About") {
  setWindowTitle("About ZORVAN");
  auto* product = NamedLabel(this, "lbl_Product", "<b>ZORVAN</b>");
  auto* header = NamedLabel(this, "lbl_ProductHeader",
                            "A Program for the Mechanical Dynamic Analysis of IC Engines and Compressors");
  header->setWordWrap(true);
  auto* release = NamedLabel(this, "lbl_Release", "Release " + version);
  auto* revisionLabel = NamedLabel(this, "lbl_Revision", "Revision " + revision);
  auto* dateLabel = NamedLabel(this, "lbl_Date", "Release date " + date);
  auto* ok = NamedButton(this, "cmd_OK", "&OK");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 16);
  layout->setSpacing(8);
  for (QWidget* w : {static_cast<QWidget*>(product), static_cast<QWidget*>(header),
                     static_cast<QWidget*>(release), static_cast<QWidget*>(revisionLabel),
                     static_cast<QWidget*>(dateLabel)})
    layout->addWidget(w);
  layout->addStretch();
  layout->addLayout(buttons);
  resize(420, 230);
}

void RegisterAbout(Application& app) {
  const ProgramValues& v = app.Values();
  app.Register({ScreenId::About,
                std::make_unique<FrmAbout>(nullptr, QString::fromStdString(v.ProgramVersion),
                                           QString::fromStdString(v.Revision), QString::fromStdString(v.ReleaseDate)),
                {}, true, {}});
}

}  // namespace zorvan::ui
