#include "ui/frm_print_select.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmPrintSelect::FrmPrintSelect(Application& app)
    : FrmPlotSelect(app, 1, {"frm_PrintSelect", "Column", "cmd_Cancel", "Select Print Data", HelpTopic::Printing}) {
  Side()->insertWidget(1, BuildOutput());
}

QWidget* FrmPrintSelect::BuildOutput() {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  auto* where = new QGroupBox("Output to", box);
  where->setObjectName("fra_Whereto");
  auto* whereLayout = new QVBoxLayout(where);
  const char* captions[3] = {"Screen", "Printer", "Disk File"};
  for (int i = 0; i < 3; ++i) {
    whereto_[i] = new QRadioButton(captions[i], where);
    whereto_[i]->setObjectName(QString("opt_Whereto_%1").arg(i));
    whereLayout->addWidget(whereto_[i]);
  }
  whereto_[0]->setChecked(true);
  row->addWidget(where);

  auto* format = new QGroupBox("Format", box);
  format->setObjectName("fra_Format");
  auto* grid = new QGridLayout(format);
  step_ = new QComboBox(format);
  step_->setObjectName("cmb_Step");
  for (int16_t s : kPrintSteps) step_->addItem(QString::number(s));
  decimals_ = new QComboBox(format);
  decimals_->setObjectName("cmb_Decimal");
  for (int k = 0; k <= kMaxPrintDecimals; ++k) decimals_->addItem(QString::number(k));
  decimals_->setCurrentIndex(2);
  grid->addWidget(NamedLabel(format, "lbl_Step", "Print Step"), 0, 0);
  grid->addWidget(step_, 0, 1);
  grid->addWidget(NamedLabel(format, "lbl_Decimal", "Decimals"), 1, 0);
  grid->addWidget(decimals_, 1, 1);
  row->addWidget(format);
  row->addStretch(1);
  return box;
}

void FrmPrintSelect::Activate() {
  FrmPlotSelect::Activate();
  whereto_[0]->setChecked(true);
}

void FrmPrintSelect::Next() {
  Run([&] { Logic().Next(); });  // the coordinate system taken, the option back on "Global"
  settings_.target = whereto_[2]->isChecked()   ? PrintTarget::DiskFile
                     : whereto_[1]->isChecked() ? PrintTarget::Printer
                                                : PrintTarget::Screen;
  settings_.step = static_cast<int16_t>(step_->currentText().toInt());
  settings_.decimals = static_cast<int16_t>(decimals_->currentText().toInt());
  hide();
  Output();
}

void FrmPrintSelect::Output() {
  if (settings_.target == PrintTarget::Screen) {
    app_.Show(ScreenId::PrintData, Modality::Modal);
    return;
  }
  Ui& ui = app_.GetUi();
  PrintTable table;
  if (!Guarded(ui, "Multiprint", [&] { table = BuildPrintTable(app_.Design(), app_.Selection(), settings_); }))
    return;
  if (settings_.target == PrintTarget::Printer) {
    PrintDataTable(table, app_.Values(), ui, app_.Printer().Zones());
  } else {
    SaveDataFile(table, app_.Values(), ui, app_.GetDialogs());
  }
}

void FrmPrintSelect::Back() {
  Run([&] { Logic().Back(); });
  hide();
}

void RegisterPrintSelect(Application& app) {
  auto window = std::make_unique<FrmPrintSelect>(app);
  FrmPrintSelect* s = window.get();
  // Picture: the V8 example with its first preset format chosen.
  auto picture = [&app, s] {
    app.LoadExample(5);
    s->Activate();
    auto* list = s->findChild<QComboBox*>("cmb_Preset");
    if (list->count() == 0) return;
    list->setCurrentIndex(0);
    emit list->activated(0);
  };
  app.Register({ScreenId::Print, std::move(window), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
}

}  // namespace zorvan::ui
