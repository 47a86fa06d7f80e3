#include "ui/frm_flywheel.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "screen_logic/flywheel_data.h"
#include "core/captions.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "plots/flywheel_plots.h"
#include "shell/summary_report.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += l + "\n";
  return s;
}

}  // namespace

FrmFlywheel::FrmFlywheel(Application& app) : FormScreen(app, "frm_Flywheel") {
  HelpMenu("Flywheel", "frm_Flywheel.mnu_Help_Click", HelpTopic::FlywheelSizing);
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;

  auto* fluct = new QGroupBox("Coef Fluctuation", this);
  fluct->setObjectName("fra_Fluct");
  coef_ = NamedBox(fluct, "txt_Fluct", "Choose the desired coefficient of fluctuation", 120, this);
  (new QVBoxLayout(fluct))->addWidget(coef_);
  left->addWidget(fluct);

  auto* energy = new QGroupBox("Energy Under Torque Curve", this);
  energy->setObjectName("fra_Energy");
  auto* energyLayout = new QVBoxLayout(energy);
  table_ = NamedLabel(energy, "pct_Pict1", "");
  table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  table_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  table_->setAutoFillBackground(true);
  size_ = NamedLabel(energy, "lbl_Size", "");
  energyLayout->addWidget(table_, 1);
  energyLayout->addWidget(size_);
  left->addWidget(energy, 1);

  const char* frames[2] = {"Without Flywheel", "With Flywheel"};
  for (int f = 0; f < 2; ++f) {
    auto* box = new QGroupBox(frames[f], this);
    box->setObjectName(f == 0 ? "fra_Without" : "fra_With");
    auto* grid = new QGridLayout(box);
    for (int row = 0; row < 2; ++row) {
      const int i = f + 2 * row;  // 0, 2 without; 1, 3 with
      grid->addWidget(new QLabel(row == 0 ? "Minimum torque" : "Maximum torque", box), row, 0);
      torque_[i] = NamedLabel(box, QString("lbl_Torque_%1").arg(i).toUtf8().constData(), "");
      torque_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      unit_[i] = NamedLabel(box, QString("lbl_Unit_%1").arg(i).toUtf8().constData(), "");
      grid->addWidget(torque_[i], row, 1);
      grid->addWidget(unit_[i], row, 2);
    }
    left->addWidget(box);
  }
  body->addLayout(left);

  auto* right = new QVBoxLayout;
  for (int i = 0; i < 2; ++i) {
    views_[i] = new ChartView(this, QString("grf_Plot_%1").arg(i).toUtf8().constData(), kPlotChart);
    views_[i]->setMinimumSize(420, 220);
    ChartView* view = views_[i];
    view->AnswerActions(
        app_, "frm_Flywheel", [view](Canvas& c) { PaintPlot(c, view->Model()); },
        [view] { return PlotCsv(view->Model()); });
    right->addWidget(views_[i], 1);
  }
  QGroupBox* panel = InfoPanel(this, right, "pnl_data", "", {{&summary_, "lbl_Data"}});
  summary_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  summary_->setWordWrap(false);
  // The summary's long lines scroll sideways rather than widen the window beyond its screen.
  summaryArea_ = new QScrollArea(panel);
  summaryArea_->setFrameShape(QFrame::NoFrame);
  summaryArea_->setWidgetResizable(true);
  summaryArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  summaryArea_->setWidget(summary_);
  panel->layout()->addWidget(summaryArea_);
  body->addLayout(right, 1);
  Lay(body,
      CommandRow({
          {"cmd_Cancel", "< &Back", [this] { Back(); }},
          {"cmd_Calc", "C&alculate", [this] { Run([this] { Calculate(); }); }},
          {"cmd_Print", "&Print Form", [this] { PrintThisForm(); }},
          {"cmd_copy", "&Copy", [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); }},
          Stretch(),
          {"cmd_Done", "&Next >", [this] { ReturnHome(); }, &done_},
      }));
  OnLeave(coef_, [this] { CoefficientLeft(); });
  resize(1180, 800);
}

void FrmFlywheel::ReadWidgets() { coefText_ = coef_->text().toStdString(); }

void FrmFlywheel::WriteWidgets() {
  const EngineDesignRecord& d = app_.Design();
  SetTitlebox(this, app_.Values());
  coef_->setText(QtText(GeneralNumberText(d.CoefFluct)));
  for (int i = 0; i < 4; ++i) unit_[i]->setText(QtText(d.UnitLabel[kTorqueSlot]));
  std::string block;
  Guarded(app_.GetUi(), "Flywheel", [&] { block = FlywheelSummaryBlock(d); });
  summary_->setText(QtText(block));
  summaryArea_->setMinimumHeight(summary_->sizeHint().height() + summaryArea_->horizontalScrollBar()->sizeHint().height());
  table_->setText(calculated_ ? QtText(Joined(energyTable_)) : QString());
  size_->setText(calculated_ ? QtText(Joined(FlywheelSizeLines(d, result_))) : QString());
  const std::vector<std::string> extremes =
      calculated_ ? TorqueExtremeTexts(d) : std::vector<std::string>(4, std::string());
  for (int i = 0; i < 4; ++i) torque_[i]->setText(QtText(extremes[i]));
  for (ChartView* v : views_) v->setVisible(graphsShown_);
  done_->setEnabled(doneEnabled_);
}

void FrmFlywheel::Calculate() {
  EngineDesignRecord& d = app_.Design();
  MessageList told;
  calculated_ = FlywheelCalculation(d, told, result_);
  Show(app_.GetUi(), told);
  energyTable_ = calculated_ ? EnergyTable(d, result_) : std::vector<std::string>();
  if (!calculated_) return;
  Guarded(app_.GetUi(), "Flywheel", [&] {
    const std::optional<PlotOverlay> overlay = app_.Overlay();  // a design compared with
    views_[0]->SetModel(FlywheelTorquePlot(d, false, overlay ? &*overlay : nullptr));
    views_[1]->SetModel(FlywheelTorquePlot(d, true, overlay ? &*overlay : nullptr));
  });
  graphsShown_ = doneEnabled_ = true;
}

void FrmFlywheel::CoefficientLeft() {
  if (AcceptCoefFluct(app_.Design(), app_.GetUi(), coefText_)) {
    calculated_ = doneEnabled_ = false;  // the picture cleared, Next disabled, then calculated again
    Calculate();
    return;
  }
  coef_->setFocus();
}

void FrmFlywheel::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Flywheel Data")));
  graphsShown_ = calculated_ = false;
  Run([this] { Calculate(); });
}

void FrmFlywheel::Back() { ReturnHome(); }

void RegisterFlywheel(Application& app) {
  auto window = std::make_unique<FrmFlywheel>(app);
  FrmFlywheel* s = window.get();
  // Picture: the V8 example with a coefficient of 0.05.
  auto picture = [&app, s] {
    app.LoadExample(5);
    app.Design().CoefFluct = 0.05f;
    s->Activate();
  };
  app.Register({ScreenId::Flywheel, std::move(window), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::Flywheel, [&app] { return app.GetShell().State().cmdFlywheel; });
}

}  // namespace zorvan::ui
