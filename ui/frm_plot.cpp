#include "ui/frm_plot.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/frm_compare.h"
#include "ui/frm_plot_select.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmPlot::FrmPlot(Application& app, const PlotScreenKind& kind) : FormScreen(app, kind.name), kind_(kind) {
  auto* body = new QVBoxLayout;
  summary_.AddHeaderLines(this, body);
  auto* row = new QHBoxLayout;
  view_ = new ChartView(this, kind.aligned ? "pct_Plot" : "grf_Plot", kPlotChart);
  row->addWidget(view_, 1);
  row->addWidget(BuildSummary());
  body->addLayout(row, 1);
  auto next = [this] {
    app_.Selection().ResultsExist = true;
    hide();
  };
  auto copy = [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); };
  auto print = [this] { PrintThisForm(); };
  if (kind_.aligned) {
    Lay(body, CommandRow({
                  {"cmd_Back", "< &Back", [this] { Back(); }},
                  {"cmd_Replot", "&Replot", [this] { Replot(); }},
                  {"cmd_Copy", "&Copy", copy},
                  {"cmd_PlotPrint", "&Print Form", print},
                  {"cmd_PlotDone", "&Next >", next},
              }));
  } else {
    Lay(body, CommandRow({
                  {"cmd_Replot", "< &Back", [this] { Back(); }},
                  {"cmd_Copy", "&Copy", copy},
                  {"cmd_PlotPrint", "&Print Form", print},
                  {"cmd_Done", "&Next >", next},
              }));
  }
  // The view creates the actions; the menu shows the same ones.
  GraphMenu(view_->Actions());
  view_->Actions()[1]->setShortcut(QKeySequence::Copy);
  HelpMenu("Plotting", objectName().toStdString() + ".mnu_Help_Click", HelpTopic::Plotting);
  EscapeGoesBack();
  view_->AnswerActions(
      app_, objectName().toStdString(), [this](Canvas& c) { PaintPlot(c, Picture()); },
      [this] { return PlotCsv(view_->Model()); });
  replotTimer_.setSingleShot(true);
  replotTimer_.setInterval(250);
  connect(&replotTimer_, &QTimer::timeout, this, [this] { Replot(); });
  resize(1100, 800);
}

QWidget* FrmPlot::BuildSummary() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  summary_.AddPanels(column, layout);
  if (!kind_.aligned) {
    auto* style = new QGroupBox("Grid and Lines", column);
    style->setObjectName("fra_Style");
    auto* grid = new QGridLayout(style);
    const char* names[] = {"chk_HGrid", "chk_VGrid", "chk_Line", "chk_Sticks"};
    const char* captions[] = {"Horiz", "Vertic", "Lines", "Fills"};
    for (int i = 0; i < 4; ++i) {
      checks_[i] = new QCheckBox(captions[i], style);
      checks_[i]->setObjectName(names[i]);
      grid->addWidget(checks_[i], i / 2, i % 2);
      // Any of them redraws the whole plot.
      connect(checks_[i], &QCheckBox::toggled, this, [this] {
        if (!IsFilling()) Run([this] { Replot(); });
      });
    }
    layout->addWidget(style);
  }
  layout->addStretch(1);
  return column;
}

void FrmPlot::ReadWidgets() {
  if (kind_.aligned) return;
  options_.hGrid = checks_[0]->isChecked();
  options_.vGrid = checks_[1]->isChecked();
  options_.lines = checks_[2]->isChecked();
  options_.sticks = checks_[3]->isChecked();
}

void FrmPlot::WriteWidgets() {
  const EngineDesignRecord& d = app_.Design();
  SetTitlebox(this, app_.Values());
  summary_.Write(d);
  if (kind_.aligned) return;
  checks_[0]->setChecked(options_.hGrid);
  checks_[1]->setChecked(options_.vGrid);
  checks_[2]->setChecked(options_.lines);
  checks_[3]->setChecked(options_.sticks);
}

void FrmPlot::Replot() {
  Guarded(app_.GetUi(), kind_.aligned ? "MyPlot" : kind_.windows == 1 ? "Multiplot" : "Plot", [&] {
    const std::optional<PlotOverlay> overlay = app_.Overlay();  // a design compared with
    PlotModel model = BuildPlot(app_.Design(), app_.Selection(), kind_.aligned, options_, overlay ? &*overlay : nullptr);
    model.header.clear();  // the screen shows the header lines above the plot
    view_->SetModel(std::move(model));
  });
}

void FrmPlot::Activate() {
  Refill();
  setWindowTitle(QtText(ScreenCaption(app_.Values(), kind_.windows == 1 ? "Plot" : "Plots")));
  const bool ok = Guarded(app_.GetUi(), kind_.aligned ? "MyPlotSetup" : "Plot_Setup", [&] {
    PlotModel model = BuildPlot(app_.Design(), app_.Selection(), kind_.aligned, options_);
    if (!model.overflowMessage.empty()) app_.GetUi().Message(model.overflowMessage, Buttons::Ok, Icon::Warning);
  });
  if (!ok) return;
  Replot();
  // The aligned drawing is repeated once the screen has settled.
  if (kind_.aligned) replotTimer_.start();
}

void FrmPlot::Back() {
  hide();
  app_.Screen<FrmPlotSelect>(kind_.selection)->KeepChoices();
  app_.Show(kind_.selection, Modality::Modal);
}

PlotModel FrmPlot::Picture() const {
  PlotModel model = view_->Model();
  const EngineDesignRecord& d = app_.Design();
  if (d.EngineResultsValid) model.header = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  return model;
}

void RegisterPlots(Application& app) {
  const PlotScreenKind kinds[] = {
      {ScreenId::Plot1, "frm_Plot1", 1, false, ScreenId::PlotSelect1},
      {ScreenId::Plot2, "frm_Plot2", 2, false, ScreenId::PlotSelect2},
      {ScreenId::Plot3, "frm_Plot3", 4, false, ScreenId::PlotSelect3},
      {ScreenId::MyPlot2, "frm_Myplot2", 2, true, ScreenId::PlotSelect2},
      {ScreenId::MyPlot3, "frm_MyPlot3", 4, true, ScreenId::PlotSelect3},
  };
  for (const PlotScreenKind& kind : kinds) {
    auto screen = std::make_unique<FrmPlot>(app, kind);
    FrmPlot* s = screen.get();
    // The picture: the V8 example with the preset format of the screen's kind.
    auto picture = [&app, s, kind](bool compare) {
      app.LoadExample(5);
      app.GetShell().StopComparing();
      if (compare) CompareWithExample(app, 2);  // the inline four over the V8
      PlotSelection& sel = app.Selection();
      sel = PlotSelection{};
      sel.WindowCount = static_cast<int16_t>(kind.windows);
      sel.PlotType = static_cast<int16_t>(kind.windows == 1 ? 1 : kind.windows == 2 ? 2 : 3);
      sel.PlotStyle = kind.aligned ? 1 : 2;
      const int n = kind.windows == 2 ? 2 : 4;
      // The aligned four windows show the torques (the README shows them): the V8's shaking force is nil.
      const char* format = kind.windows == 1 || (n == 4 && kind.aligned) ? "Torques - Gas, Inertia, Total, and Friction"
                           : n == 2                                     ? "Shaking Force - mag and angle"
                                                                        : "Total Shaking Force - X, Y, Mag, Angle";
      ApplyPlotPreset(sel, format, n);
      s->Activate();
    };
    std::vector<SnapshotState> states{{"", [picture] { picture(false); }}};
    if (kind.id == ScreenId::Plot1) states.push_back({"compare", [picture] { picture(true); }});
    app.Register({kind.id, std::move(screen), [s](Modality) { s->Activate(); }, true, std::move(states)});
    app.ShowsResults(kind.id, [&app] { return SelectionOffered(app.Design(), app.Selection()); });
  }
}

}  // namespace zorvan::ui
