#include "ui/frm_my_plot4.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/frm_compare.h"
#include "ui/frm_plot_select4.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmMyPlot4::FrmMyPlot4(Application& app) : FormScreen(app, "frm_MyPlot4") {
  auto* body = new QVBoxLayout;
  summary_.AddHeaderLines(this, body);
  auto* row = new QHBoxLayout;
  view_ = new ChartView(this, "pct_Plot_0");
  view_->SetPaint([this](Canvas& c, int cursor) { area_ = PaintPolarPlot(c, shown_, cursor); });
  view_->SetRowAt([this](double x, double y) { return PolarRowAt(area_, model_, x, y); });
  view_->AnswerActions(
      app_, "frm_MyPlot4", [this](Canvas& c) { PaintPolarPlot(c, model_); }, [this] { return PolarCsv(model_); });
  row->addWidget(view_, 1);

  auto* column = new QWidget(this);
  auto* side = new QVBoxLayout(column);
  title_ = NamedLabel(column, "pnl_LeftTitle", "");
  units_ = NamedLabel(column, "pnl_PlotUnits", "");
  title_->setWordWrap(true);
  side->addWidget(title_);
  side->addWidget(units_);
  InfoPanel(column, side, "fra_Magnitude", "Magnitude", {{&peak_, "lbl_Peak"}, {&mean_, "lbl_Mean"}});
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
  summary_.AddPanels(column, side);
  side->addStretch(1);
  column->setMaximumWidth(260);
  row->addWidget(column);
  body->addLayout(row, 1);
  for (QCheckBox* box : {chkEnvelope_, chkVectors_})
    connect(box, &QCheckBox::toggled, this, [this] {
      if (!IsFilling()) Run([this] { Redraw(); });
    });

  Lay(body,
      CommandRow({
          {"cmd_Replot", "< &Back", [this] { Back(); }},
          {"cmd_Copy", "&Copy", [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); }},
          {"cmd_PlotPrint", "&Print Form", [this] { PrintThisForm(); }},
          {"cmd_PlotDone", "&Next >",
           [this] {
             app_.Selection().ResultsExist = true;
             hide();
           }},
      }));

  GraphMenu(view_->Actions());
  view_->Actions()[1]->setShortcut(QKeySequence::Copy);
  HelpMenu("Polar Plots", "frm_MyPlot4.mnu_Help_Click", HelpTopic::PolarPlots);
  EscapeGoesBack();

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
  SetTitlebox(this, app_.Values());
  summary_.Write(app_.Design());
  chkEnvelope_->setChecked(envelope_);
  chkVectors_->setChecked(vectors_);
  title_->setText(QtText(PolarTitle(model_)));
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
    const std::optional<PlotOverlay> overlay = app_.Overlay();  // a design compared with
    model_ = BuildPolarPlot(app_.Design(), app_.Selection(), mode_, overlay ? &*overlay : nullptr);
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
  app_.Screen<FrmPlotSelect4>(ScreenId::PlotSelect4)->KeepChoices();
  app_.Show(ScreenId::PlotSelect4, Modality::Modal);
}

void RegisterMyPlot4(Application& app) {
  auto screen = std::make_unique<FrmMyPlot4>(app);
  FrmMyPlot4* s = screen.get();
  // The picture: the V8's main-bearing force in the crank's frame, tip path and vectors.
  auto picture = [&app, s](bool compare) {
    app.LoadExample(5);
    app.GetShell().StopComparing();
    if (compare) CompareWithExample(app, 2);  // the inline four over the V8
    PlotSelection& sel = app.Selection();
    sel = PlotSelection{};
    Set_Variable(sel, "F Main", 1);
    sel.CoordinateSystem = 1;
    sel.FunctionCount = sel.WindowCount = 1;
    sel.PlotType = 4;
    s->Activate();
    s->findChild<QCheckBox*>("chk_Vectors")->setChecked(true);
  };
  app.Register({ScreenId::MyPlot4, std::move(screen), [s](Modality) { s->Activate(); }, true,
                {{"", [picture] { picture(false); }}, {"compare", [picture] { picture(true); }}}});
  app.ShowsResults(ScreenId::MyPlot4, [&app] { return SelectionOffered(app.Design(), app.Selection()); });
}

}  // namespace zorvan::ui
