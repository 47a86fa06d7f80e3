#include "ui/frm_plot.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "files/atomic_file.h"
#include "render/picture_files.h"
#include "ui/application.h"
#include "ui/chart_view.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

// A picture of the plot the size of the view, or of a standard page when the
// view has not been laid out.
QSize PictureSize(const QWidget* view) {
  return view->width() >= 200 && view->height() >= 150 ? view->size() : QSize(1280, 1024);
}

}  // namespace

FrmPlot::FrmPlot(Application& app, const PlotScreenKind& kind) : FormScreen(app, kind.name), kind_(kind) {
  auto* body = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) {
    headers_[i] = NamedLabel(this, QString("lbl_Header%1").arg(i + 2).toUtf8().constData(), "");
    body->addWidget(headers_[i]);
  }
  auto* row = new QHBoxLayout;
  view_ = new PlotView(this, kind.aligned ? "pct_Plot" : "grf_Plot");
  row->addWidget(view_, 1);
  row->addWidget(BuildSummary());
  body->addLayout(row, 1);
  Lay(body, BuildCommands());
  BuildMenus();
  view_->onSaveImage = [this] { SaveImage(); };
  view_->onCopyImage = [this] { CopyImage(); };
  view_->onCopyData = [this] { CopyData(); };
  view_->onSaveData = [this] { SaveData(); };
  replotTimer_.setSingleShot(true);
  replotTimer_.setInterval(250);
  connect(&replotTimer_, &QTimer::timeout, this, [this] { Replot(); });
  resize(1100, 800);
}

QWidget* FrmPlot::BuildSummary() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  auto panel = [&](const char* frame, const char* caption, const char* label) {
    auto* g = new QGroupBox(caption, column);
    g->setObjectName(frame);
    auto* l = NamedLabel(g, label, "");
    (new QVBoxLayout(g))->addWidget(l);
    layout->addWidget(g);
    return l;
  };
  cylinder_ = panel("fra_Cylinder", "Cylinder Data", "lbl_CylinderData");
  engine_ = panel("fra_Engine", "Engine Data", "lbl_EngineData");
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

QWidget* FrmPlot::BuildCommands() {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  auto add = [&](const char* name, const char* caption, std::function<void()> run) {
    QPushButton* b = NamedButton(row, name, caption);
    layout->addWidget(b);
    connect(b, &QPushButton::clicked, this, std::move(run));
  };
  if (kind_.aligned) {
    add("cmd_Back", "< &Back", [this] { Back(); });
    add("cmd_Replot", "&Replot", [this] { Replot(); });
  } else {
    add("cmd_Replot", "< &Back", [this] { Back(); });
  }
  add("cmd_Copy", "&Copy", [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); });
  add("cmd_PlotPrint", "&Print Form", [this] { PrintThisForm(); });
  add(kind_.aligned ? "cmd_PlotDone" : "cmd_Done", "&Next >", [this] {
    app_.Selection().ResultsExist = true;
    hide();
  });
  return row;
}

void FrmPlot::BuildMenus() {
  QMenu* graph = menuBar()->addMenu("&Graph");
  graph->setObjectName("mnu_Graph");
  // The view creates the actions; the menu shows the same ones.
  graph->addActions(view_->PlotActions());
  view_->PlotActions()[1]->setShortcut(QKeySequence::Copy);
  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnu_HelpMenu");
  QAction* page = help->addAction("Plotting");
  page->setObjectName("mnu_Help");
  page->setShortcut(QKeySequence::HelpContents);
  connect(page, &QAction::triggered, this, [this] {
    Guarded(app_.GetUi(), Procedure("mnu_Help_Click"), [&] { app_.ShowHelp(HelpTopic::Plotting); });
  });
}

std::string FrmPlot::Procedure(const char* command) const { return objectName().toStdString() + "." + command; }

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
  cylinder_->setText(QtText(SummaryText(CylinderSummary(d))));
  engine_->setText(QtText(SummaryText(EngineSummary(d))));
  const std::string lines[] = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  for (int i = 0; i < 3; ++i) {
    headers_[i]->setText(QtText(lines[i]));
    headers_[i]->setVisible(d.EngineResultsValid);
  }
  if (kind_.aligned) return;
  checks_[0]->setChecked(options_.hGrid);
  checks_[1]->setChecked(options_.vGrid);
  checks_[2]->setChecked(options_.lines);
  checks_[3]->setChecked(options_.sticks);
}

void FrmPlot::Replot() {
  Guarded(app_.GetUi(), kind_.aligned ? "MyPlot" : kind_.windows == 1 ? "Multiplot" : "Plot", [&] {
    PlotModel model = BuildPlot(app_.Design(), app_.Selection(), kind_.aligned, options_);
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
  app_.Show(kind_.selection, Modality::Modal);
}

PlotModel FrmPlot::Picture() const {
  PlotModel model = view_->Model();
  const EngineDesignRecord& d = app_.Design();
  if (d.EngineResultsValid) model.header = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  return model;
}

void FrmPlot::SaveImage() {
  const PlotModel model = Picture();
  SaveChartImage(app_, [&model](Canvas& c) { PaintPlot(c, model); }, PictureSize(view_), Procedure("SaveImage"));
}

void FrmPlot::CopyImage() {
  const PlotModel model = Picture();
  CopyChartImage([&model](Canvas& c) { PaintPlot(c, model); }, PictureSize(view_));
}

void FrmPlot::CopyData() { CopyChartText(PlotCsv(view_->Model())); }

void FrmPlot::SaveData() { SaveChartData(app_, PlotCsv(view_->Model()), Procedure("SaveData")); }

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
    auto picture = [&app, s, kind] {
      app.LoadExample(5);
      PlotSelection& sel = app.Selection();
      sel = PlotSelection{};
      sel.WindowCount = static_cast<int16_t>(kind.windows);
      sel.PlotType = static_cast<int16_t>(kind.windows == 1 ? 1 : kind.windows == 2 ? 2 : 3);
      sel.PlotStyle = kind.aligned ? 1 : 2;
      const int n = kind.windows == 2 ? 2 : 4;
      const char* format = kind.windows == 1 ? "Torques - Gas, Inertia, Total, and Friction"
                           : n == 2           ? "Shaking Force - mag and angle"
                                              : "Total Shaking Force - X, Y, Mag, Angle";
      ApplyPlotPreset(sel, format, n);
      s->Activate();
    };
    app.Register({kind.id, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  }
}

}  // namespace zorvan::ui
