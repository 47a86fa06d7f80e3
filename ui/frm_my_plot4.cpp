#include "ui/frm_my_plot4.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmMyPlot4::FrmMyPlot4(Application& app) : FormScreen(app, "frm_MyPlot4") {
  auto* body = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) {
    headers_[i] = NamedLabel(this, QString("lbl_Header%1").arg(i + 2).toUtf8().constData(), "");
    body->addWidget(headers_[i]);
  }
  auto* row = new QHBoxLayout;
  view_ = new ChartView(this, "pct_Plot_0", true);
  view_->SetPaint([this](Canvas& c, int cursor) { area_ = PaintPolarPlot(c, shown_, cursor); });
  view_->SetRowAt([this](double x, double y) { return PolarRowAt(area_, model_, x, y); });
  auto picture = [this](Canvas& c) { PaintPolarPlot(c, model_); };
  view_->onSaveImage = [this, picture] { SaveChartImage(app_, picture, view_->PictureSize(), "frm_MyPlot4.SaveImage"); };
  view_->onCopyImage = [this, picture] { CopyChartImage(picture, view_->PictureSize()); };
  view_->onCopyData = [this] { CopyChartText(PolarCsv(model_)); };
  view_->onSaveData = [this] { SaveChartData(app_, PolarCsv(model_), "frm_MyPlot4.SaveData"); };
  row->addWidget(view_, 1);

  auto* column = new QWidget(this);
  auto* side = new QVBoxLayout(column);
  title_ = NamedLabel(column, "pnl_LeftTitle", "");
  units_ = NamedLabel(column, "pnl_PlotUnits", "");
  title_->setWordWrap(true);
  side->addWidget(title_);
  side->addWidget(units_);
  auto panel = [&](const char* frame, const char* caption, std::initializer_list<QLabel**> labels,
                   std::initializer_list<const char*> names) {
    auto* g = new QGroupBox(caption, column);
    g->setObjectName(frame);
    auto* l = new QVBoxLayout(g);
    auto name = names.begin();
    for (QLabel** label : labels) l->addWidget(*label = NamedLabel(g, *name++, ""));
    side->addWidget(g);
  };
  panel("fra_Magnitude", "Magnitude", {&peak_, &mean_}, {"lbl_Peak", "lbl_Mean"});
  auto* draw = new QGroupBox("Draw", column);
  draw->setObjectName("fra_Draw");
  auto* drawLayout = new QVBoxLayout(draw);
  chkEnvelope_ = new QCheckBox("Envelope", draw);
  chkEnvelope_->setObjectName("chk_Envelope");
  chkVectors_ = new QCheckBox("Vectors", draw);
  chkVectors_->setObjectName("chk_Vectors");
  drawLayout->addWidget(chkEnvelope_);
  drawLayout->addWidget(chkVectors_);
  side->addWidget(draw);
  panel("fra_Cylinder", "Cylinder Data", {&cylinder_}, {"lbl_CylinderData"});
  panel("fra_Engine", "Engine Data", {&engine_}, {"lbl_EngineData"});
  side->addStretch(1);
  column->setMaximumWidth(260);
  row->addWidget(column);
  body->addLayout(row, 1);
  for (QCheckBox* box : {chkEnvelope_, chkVectors_})
    connect(box, &QCheckBox::toggled, this, [this] {
      if (!IsFilling()) Run([this] { Redraw(); });
    });

  auto* commands = new QWidget(this);
  auto* layout = new QHBoxLayout(commands);
  auto add = [&](const char* name, const char* caption, std::function<void()> run) {
    QPushButton* b = NamedButton(commands, name, caption);
    layout->addWidget(b);
    connect(b, &QPushButton::clicked, this, std::move(run));
  };
  add("cmd_Replot", "< &Back", [this] { Back(); });
  add("cmd_Copy", "&Copy", [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); });
  add("cmd_PlotPrint", "&Print Form", [this] { PrintThisForm(); });
  add("cmd_PlotDone", "&Next >", [this] {
    app_.Selection().ResultsExist = true;
    hide();
  });
  Lay(body, commands);

  QMenu* graph = menuBar()->addMenu("&Graph");
  graph->setObjectName("mnu_Graph");
  graph->addActions(view_->Actions());
  view_->Actions()[1]->setShortcut(QKeySequence::Copy);
  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("mnu_HelpMenu");
  QAction* page = help->addAction("Polar Plots");
  page->setObjectName("mnu_Help");
  page->setShortcut(QKeySequence::HelpContents);
  connect(page, &QAction::triggered, this, [this] {
    Guarded(app_.GetUi(), "frm_MyPlot4.mnu_Help_Click", [&] { app_.ShowHelp(HelpTopic::PolarPlots); });
  });

  redrawTimer_.setSingleShot(true);
  redrawTimer_.setInterval(250);
  connect(&redrawTimer_, &QTimer::timeout, this, [this] { Run([this] { Redraw(); }); });
  resize(1000, 780);
}

void FrmMyPlot4::ReadWidgets() {
  envelope_ = chkEnvelope_->isChecked();
  vectors_ = chkVectors_->isChecked();
}

void FrmMyPlot4::WriteWidgets() {
  const EngineDesignRecord& d = app_.Design();
  SetTitlebox(this, app_.Values());
  cylinder_->setText(QtText(SummaryText(CylinderSummary(d))));
  engine_->setText(QtText(SummaryText(EngineSummary(d))));
  const std::string lines[] = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  for (int i = 0; i < 3; ++i) {
    headers_[i]->setText(QtText(lines[i]));
    headers_[i]->setVisible(d.EngineResultsValid);
  }
  chkEnvelope_->setChecked(envelope_);
  chkVectors_->setChecked(vectors_);
  title_->setText(QtText(model_.longName));
  units_->setText(QtText(model_.unit));
  peak_->setText(model_.x.empty() ? QString() : QtText(PolarPeakText(model_)));
  mean_->setText(model_.x.empty() ? QString() : QtText(PolarMeanText(model_)));
}

void FrmMyPlot4::MyPolarPlot_Setup() {
  Guarded(app_.GetUi(), "MyPolarPlot_Setup", [&] {
    ReadWidgets();
    mode_ = PolarModeFrom(envelope_, vectors_, mode_);
  });
}

void FrmMyPlot4::MyPolarPlot() {
  Guarded(app_.GetUi(), "MyPolarPlot", [&] {
    model_ = BuildPolarPlot(app_.Design(), app_.Selection(), mode_);
    shown_ = model_;
    shown_.header.clear();  // the screen shows the header lines above the plot
    view_->update();
  });
}

void FrmMyPlot4::Redraw() {
  MyPolarPlot_Setup();
  MyPolarPlot();
}

void FrmMyPlot4::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Polar Plot")));
  Refill();
  Redraw();
  Refill();
  // The window cannot take the magnitude: said once, and the drawing goes on.
  if (!model_.overflowMessage.empty()) app_.GetUi().Message(model_.overflowMessage, Buttons::Ok, Icon::Warning);
  redrawTimer_.start();
}

void FrmMyPlot4::Back() {
  hide();
  app_.Show(ScreenId::PlotSelect4, Modality::Modal);
}

void RegisterMyPlot4(Application& app) {
  auto screen = std::make_unique<FrmMyPlot4>(app);
  FrmMyPlot4* s = screen.get();
  // The picture: the V8's main-bearing force in the crank's frame, tip path and vectors.
  auto picture = [&app, s] {
    app.LoadExample(5);
    PlotSelection& sel = app.Selection();
    sel = PlotSelection{};
    Set_Variable(sel, "F Main", 1);
    sel.CoordinateSystem = 1;
    sel.FunctionCount = sel.WindowCount = 1;
    sel.PlotType = 4;
    s->Activate();
    s->findChild<QCheckBox*>("chk_Vectors")->setChecked(true);
  };
  app.Register({ScreenId::MyPlot4, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
}

}  // namespace zorvan::ui
