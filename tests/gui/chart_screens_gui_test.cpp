// The polar selection and plot screens, the power chart and the phasor
// diagrams driven through their widgets, offscreen.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <fstream>
#include <sstream>

#include "core/numeric.h"
#include "app/cli/cli.h"
#include "core/presets.h"
#include "platform/recording_canvas.h"
#include "tests/support/gui_app.h"
#include "ui/frm_home_screen.h"
#include "ui/frm_my_plot4.h"
#include "ui/frm_phasors.h"
#include "ui/frm_power.h"
#include "ui/frm_pv_diagram.h"
#include "ui/qt_platform.h"

using namespace zorvan;

class ChartScreensGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  static constexpr ScreenId Select = ScreenId::PlotSelect4, Polar = ScreenId::MyPlot4;
  test::GuiDriver Gui() { return g->Gui(); }
  EngineDesignRecord& D() { return g->app->Design(); }
  ui::FrmMyPlot4* Plot() { return g->app->Screen<ui::FrmMyPlot4>(Polar); }
  const PolarPlotModel& M() { return Plot()->Model(); }

  // The V8 calculated and the polar selection reached from the plot-type screen.
  void Open() {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->app->LoadExample(5));
    QCoreApplication::processEvents();
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Click(ScreenId::Home, "cmd_Plot");
    Gui().Click(ScreenId::Plot, "opt_PickPlot_3");
    Gui().Click(ScreenId::Plot, "cmd_PickPlotDone");
    g->p.messages.clear();
  }
  void Choose(const QString& text) {
    auto* c = Gui().Find<QComboBox>(Select, "cmb_Var1");
    const int index = c->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    c->setCurrentIndex(index);
    emit c->activated(index);
  }
  void Check(const char* box, bool on) { Gui().Find<QCheckBox>(Polar, box)->setChecked(on); }

 private slots:
  void selectionAndModes() {
    Open();
    QVERIFY(Gui().Screen(Select)->isVisible());
    QVERIFY(Gui().Screen(Select)->windowTitle().endsWith("Select Polar Plot"));
    QCOMPARE(Gui().Find<QComboBox>(Select, "cmb_Var1")->count(), 10);  // 9..18 with the engine
    QVERIFY(!Gui().Enabled(Select, "cmd_Done") && !Gui().Enabled(Select, "fra_coord"));
    Choose("F Wrist");
    QVERIFY(!Gui().Enabled(Select, "fra_coord") && Gui().Enabled(Select, "cmd_Done"));
    QCOMPARE(Gui().Text(Select, "lbl_Function_0"), QString("F Wrist"));
    Gui().Click(Select, "cmd_Clear1");
    QVERIFY(!Gui().Enabled(Select, "cmd_Done"));
    Choose("F Crank");
    QVERIFY(Gui().Enabled(Select, "opt_Coord_1"));
    Gui().Click(Select, "opt_Coord_1");
    Gui().Click(Select, "cmd_Done");
    QVERIFY(!Gui().Screen(Select)->isVisible() && Gui().Screen(Polar)->isVisible());
    QVERIFY(Gui().Find<QRadioButton>(Select, "opt_Coord_0")->isChecked());
    QCOMPARE(g->app->Selection().CoordinateSystem, int16_t(1));

    // The rotating frame: the crankpin force read from pin-force column 6.
    for (int k = 0; k <= kLastRow; k += 30) {
      float mag = 0, ang = 0;
      Cart_to_Polar(D().table.PinForceX[k][kCrankpin + kRotatedOffset],
                    D().table.PinForceY[k][kCrankpin + kRotatedOffset], mag, ang);
      QCOMPARE(M().magnitude[k], mag);
      QCOMPARE(M().angle[k], ang);
    }
    QVERIFY(M().angle[30] != M().angle[60] || M().x[30] != D().table.PinForceX[30][kCrankpin]);
    QCOMPARE(Gui().Text(Polar, "pnl_LeftTitle"), QString("Crankpin Force F32, rotating frame (lb)"));
    QCOMPARE(Gui().Text(Polar, "lbl_Peak"), ui::QtText(PolarPeakText(M())));

    // First shown with the tip path; both boxes draw 240 vectors, row 240's not.
    QCOMPARE(Plot()->Mode(), kPolarEnvelope);
    QVERIFY(M().vectors.empty() && M().envelope.size() == 240u && M().startPoint);
    Check("chk_Vectors", true);
    QCOMPARE(M().vectors.size(), 240u);
    QCOMPARE(M().vectors.back().x2, double(M().x[239]));
    QCOMPARE(M().envelope.size(), 240u);
    Check("chk_Envelope", false);
    QCOMPARE(M().vectors.size(), 241u);
    Check("chk_Vectors", false);  // neither: the last mode stays
    QCOMPARE(Plot()->Mode(), kPolarVectors);
    QCOMPARE(M().vectors.size(), 241u);
    QVERIFY(g->p.messages.empty());
    Gui().Click(Polar, "cmd_Replot");
    QVERIFY(Gui().Screen(Select)->isVisible() && !Gui().Screen(Polar)->isVisible());
    // Back keeps the function and the frame it was drawn in.
    QCOMPARE(Gui().Text(Select, "lbl_Function_0"), QString("F Crank"));
    QVERIFY(Gui().Find<QRadioButton>(Select, "opt_Coord_1")->isChecked() && Gui().Enabled(Select, "cmd_Done"));
  }

  // Zero everywhere: r of 0.0001 and a point at the origin; too large: said once, drawn anyway.
  void zeroAndOverflow() {
    Open();
    for (int k = 0; k <= kLastRow; ++k) D().table.PinForceX[k][kWristpin] = D().table.PinForceY[k][kWristpin] = 0;
    Choose("F Wrist");
    Gui().Click(Select, "cmd_Done");
    QCOMPARE(M().frame.r, 0.0001f);
    QVERIFY(M().startPoint && M().x[0] == 0 && M().y[0] == 0);
    RecordingCanvas c;
    PaintPolarPlot(c, M());
    QVERIFY(std::any_of(c.calls.begin(), c.calls.end(), [](const CanvasCall& k) {
      return k.kind == CanvasCall::Point && k.a == 0 && k.b == 0;
    }));
    QVERIFY(g->p.messages.empty());

    D().table.PinForceX[10][kWristpin] = 3e38f;
    Gui().Click(Polar, "cmd_Replot");
    Gui().Click(Select, "cmd_Done");
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QCOMPARE(g->p.messages[0].text, std::string("The magnitude of Wristpin Force F34 exceeds the capacity of this window.\r\n"));
    QCOMPARE(g->p.messages[0].icon, Icon::Warning);
    QCOMPARE(M().envelope.size(), 240u);
  }

  void cursorPicturesAndData() {
    Open();
    Choose("F Main");
    Gui().Click(Select, "cmd_Done");
    Plot()->resize(1000, 760);
    ui::ChartView* view = Plot()->View();
    view->grab();
    QMouseEvent move(QEvent::MouseMove, QPointF(view->width() * 0.5 + 20, view->height() * 0.5), QPointF(),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QVERIFY(view->CursorRow() >= 0);
    view->Actions()[2]->trigger();  // Copy Data
    QCOMPARE(QGuiApplication::clipboard()->text(), ui::QtText(PolarCsv(M())));
    const std::string svg = g->tmp.path().toStdString() + "/polar.svg";
    g->p.paths = {svg};
    view->Actions()[0]->trigger();  // Save Image...
    std::ifstream in(svg);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    QVERIFY(text.find("<svg") != std::string::npos);
    QVERIFY(g->p.messages.empty());
  }

  void powerChartAndPhasorsOpenFromTheirCommands() {
    Open();
    Gui().Click(Select, "cmd_CancelPlotData");
    Gui().Trigger(ScreenId::Home, "mnu_Chart_6");
    auto* power = g->app->Screen<ui::FrmPower>(ScreenId::PowerChart);
    QVERIFY(power->isVisible() && power->windowTitle().endsWith("Power Charts"));
    QCOMPARE(Gui().Text(ScreenId::PowerChart, "lbl_Title_2"), QString("Firing Angles in Cylinder Order over 720 deg "));
    QCOMPARE(power->Model().charts[2].bars.size(), 8u);
    QVERIFY(power->Model().arrangementText.starts_with(" For this "));
    Gui().Click(ScreenId::PowerChart, "cmd_Redraw");
    Gui().Click(ScreenId::PowerChart, "cmd_Done");
    QVERIFY(!power->isVisible());

    Gui().Trigger(ScreenId::Home, "mnu_Chart_10");
    auto* phasors = g->app->Screen<ui::FrmPhasors>(ScreenId::Phasors);
    QVERIFY(phasors->isVisible());
    QCOMPARE(phasors->Model().diagrams.size(), 6u);  // orders 1 and 2, all cylinders and both banks
    Gui().Click(ScreenId::Phasors, "opt_Kind_1");
    QCOMPARE(phasors->Model().kind, kPhasorMoments);
    Gui().Click(ScreenId::Phasors, "cmd_Done");

    // The engine screen's button, once the engine is calculated.
    g->app->Show(ScreenId::Assemble, Modality::Modeless);
    QVERIFY(!Gui().Enabled(ScreenId::Assemble, "cmd_Phasors"));  // as Balance: not before a calculation here
    auto* examples = Gui().Find<QComboBox>(ScreenId::Assemble, "cmb_Examples");
    examples->setCurrentIndex(2);
    emit examples->activated(2);
    Gui().Click(ScreenId::Assemble, "cmd_Calc");
    QVERIFY(Gui().Enabled(ScreenId::Assemble, "cmd_Phasors"));
    Gui().Click(ScreenId::Assemble, "cmd_Phasors");
    QVERIFY(phasors->isVisible());
    QVERIFY(g->p.messages.empty());
  }

  // The p-V diagram: the log-log axes only with a compression ratio, a bad
  // ratio refused, and the same points as the command line's.
  void pvDiagramFromTheChartsMenu() {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->app->LoadExample(4));
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Trigger(ScreenId::Home, "mnu_Chart_12");
    auto* pv = g->app->Screen<ui::FrmPvDiagram>(ScreenId::PvDiagram);
    QVERIFY(pv->isVisible() && pv->windowTitle().endsWith("p-V Diagram"));
    QCOMPARE(pv->Model().loops.size(), 1u);
    Gui().Click(ScreenId::PvDiagram, "chk_Log");
    QCOMPARE(g->p.messages.size(), 1u);
    QVERIFY(g->p.messages[0].text.starts_with("The log-log p-V diagram needs the clearance volume"));
    QVERIFY(!Gui().Find<QCheckBox>(ScreenId::PvDiagram, "chk_Log")->isChecked());
    Gui().Type(ScreenId::PvDiagram, "txt_CompressionRatio", "1");
    QCOMPARE(g->p.messages.size(), 2u);
    QVERIFY(g->p.messages[1].text.starts_with("The compression ratio must be a number above 1"));
    Gui().Type(ScreenId::PvDiagram, "txt_CompressionRatio", "10");
    Gui().Click(ScreenId::PvDiagram, "chk_Log");
    QCOMPARE(g->p.messages.size(), 2u);
    QVERIFY(pv->Model().logScale);
    const std::string csv = g->tmp.path().toStdString() + "/pv.csv", png = g->tmp.path().toStdString() + "/pv.png";
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"plot", "--pv", "--log", "--compression-ratio", "10", "--csv", csv, "-o", png, "--preset", "4"},
                      out, err),
             0);
    std::ifstream in(csv, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    QCOMPARE(ui::QtText(PvDiagramCsv(pv->Model())), ui::QtText(text));
  }
};

QTEST_MAIN(ChartScreensGuiTest)
#include "chart_screens_gui_test.moc"
