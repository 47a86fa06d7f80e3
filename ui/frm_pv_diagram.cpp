#include "ui/frm_pv_diagram.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/pressure_trace.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

constexpr const char* kRatioMessage = "The compression ratio must be a number above 1 and up to 1000, or empty.";
constexpr const char* kLogMessage =
    "The log-log p-V diagram needs the clearance volume: enter the compression ratio first.";

}  // namespace

FrmPvDiagram::FrmPvDiagram(Application& app) : FormScreen(app, "frm_PvDiagram") {
  auto* body = new QVBoxLayout;
  auto* row = new QHBoxLayout;
  logScale_ = new QCheckBox("&Log-log axes", this);
  logScale_->setObjectName("chk_Log");
  connect(logScale_, &QCheckBox::clicked, this, [this] { Run([this] { Redraw(); }); });
  row->addWidget(logScale_);
  row->addSpacing(24);
  auto* label = new QLabel("&Compression ratio", this);
  row->addWidget(label);
  ratioBox_ = NamedBox(this, "txt_CompressionRatio", "Gives the clearance volume; empty: the swept volume only", 100,
                       this);
  label->setBuddy(ratioBox_);
  OnLeave(ratioBox_, [this] { Redraw(); });
  row->addWidget(ratioBox_);
  row->addStretch(1);
  body->addLayout(row);
  view_ = new ChartView(this, "pct_PvDiagram");
  view_->SetPaint([this](Canvas& c, int) {
    if (drawn_) PaintPvDiagram(c, model_);
  });
  view_->AnswerActions(
      app_, "frm_PvDiagram", [this](Canvas& c) { PaintPvDiagram(c, model_); },
      [this] { return drawn_ ? PvDiagramCsv(model_) : std::string(); });
  body->addWidget(view_, 1);
  Lay(body, CommandRow({
                {"cmd_PlotPrint", "&Print Form", [this] { PrintThisForm(); }},
                Stretch(),
                {"cmd_Done", "&Next >", [this] { hide(); }},
            }));
  GraphMenu(view_->Actions());
  HelpMenu("p-V Diagram", "frm_PvDiagram.mnu_Help", HelpTopic::PvDiagram);
  EscapeGoesBack();
  resize(1000, 720);
}

std::optional<double> FrmPvDiagram::RatioInUse() const {
  const EngineDesignRecord& d = app_.Design();
  return d.Pressure && d.Pressure->compressionRatio ? d.Pressure->compressionRatio : ratio_;
}

bool FrmPvDiagram::TakeBoxes() {
  EngineDesignRecord& d = app_.Design();
  const std::string text = ratioBox_->text().trimmed().toStdString();
  std::optional<double> ratio;
  double value = 0;
  if (!text.empty()) {
    if (!ParseDecimal(text, value) || !(value > 1 && value <= 1000)) {
      keepBox_ = true;
      app_.GetUi().Message(kRatioMessage, Buttons::Ok, Icon::Warning);
      return false;
    }
    ratio = value;
  }
  if (logScale_->isChecked() && !ratio) {
    logScale_->setChecked(false);
    app_.GetUi().Message(kLogMessage, Buttons::Ok, Icon::Warning);
    return false;
  }
  ratio_ = ratio;
  if (d.Pressure && d.Pressure->compressionRatio != ratio) {
    // The trace remembers its ratio, and is saved with it.
    d.Pressure = WithCompressionRatio(*d.Pressure, ratio);
    app_.Values().DesignSaved = false;
  }
  return true;
}

void FrmPvDiagram::Redraw() {
  if (TakeBoxes()) Draw();
}

void FrmPvDiagram::Draw() {
  const std::optional<double> ratio = RatioInUse();
  // A design that changed under the screen may have no ratio for log-log axes: linear ones then.
  if (!ratio) logScale_->setChecked(false);
  drawn_ = Guarded(app_.GetUi(), "frm_PvDiagram.Draw",
                   [&] { model_ = BuildPvDiagram(app_.Design(), logScale_->isChecked(), ratio); });
  view_->update();
}

void FrmPvDiagram::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  if (std::exchange(keepBox_, false)) return;
  const std::optional<double> ratio = RatioInUse();
  ratioBox_->setText(ratio ? QtText(DigitsText(*ratio)) : QString());
}

void FrmPvDiagram::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "p-V Diagram")));
  Refill();
  Draw();
}

void RegisterPvDiagram(Application& app) {
  auto screen = std::make_unique<FrmPvDiagram>(app);
  FrmPvDiagram* s = screen.get();
  auto picture = [&app, s](bool log) {
    return [&app, s, log] {
      app.LoadExample(4);  // the inline six
      s->Activate();
      if (!log) return;
      s->findChild<QLineEdit*>("txt_CompressionRatio")->setText("10");
      auto* box = s->findChild<QCheckBox*>("chk_Log");
      box->setChecked(true);
      emit box->clicked(true);
    };
  };
  app.Register({ScreenId::PvDiagram, std::move(screen), [s](Modality) { s->Activate(); }, true,
                {{"", picture(false)}, {"log", picture(true)}}});
  app.ShowsResults(ScreenId::PvDiagram, [&app] { return app.GetShell().State().chart[kChartPv]; });
}

}  // namespace zorvan::ui
