// The one-cylinder input screen driven through its widgets, offscreen.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/cli/cli.h"
#include "files/model_file.h"

#include "core/machine_type.h"
#include "core/one_cylinder.h"
#include "core/design.h"
#include "core/recalculate.h"
#include "core/units.h"
#include "tests/support/gui_app.h"
#include "ui/frm_input_data.h"
#include "ui/picture_box.h"

using namespace zorvan;

class InputDataGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  static constexpr ScreenId In = ScreenId::Input;

  EngineDesignRecord& D() { return g->app->Design(); }
  test::GuiDriver Gui() { return g->Gui(); }
  ui::FrmInputData* Screen() { return g->app->Screen<ui::FrmInputData>(In); }
  void Open(int16_t unitSystem = 1) {
    g = std::make_unique<test::GuiApp>();
    if (unitSystem != 1) g->app->GetShell().PickUnits(unitSystem);
    g->Gui().Click(ScreenId::Home, "cmd_Input");
    QVERIFY(Screen()->isVisible());
    g->p.messages.clear();
  }
  void Type(int k, const QString& text, const char* array = "txt_Linkout_") {
    Gui().Type(In, QString(array) + QString::number(k), text);
  }
  QString Box(int k, const char* array = "txt_Linkout_") { return Gui().Text(In, QString(array) + QString::number(k)); }
  bool Ready() { return Gui().Enabled(In, "cmd_Done") && Gui().Enabled(In, "cmd_Animate"); }
  // The entered fields of two designs are the same.
  static bool SameInputs(const EngineDesignRecord& a, const EngineDesignRecord& b) {
    return a.Bore == b.Bore && a.CylinderDisplacement == b.CylinderDisplacement && a.Stroke == b.Stroke &&
           a.LRRatio == b.LRRatio && a.CrankCGFraction == b.CrankCGFraction && a.IdleRPM == b.IdleRPM &&
           a.RedlineRPM == b.RedlineRPM && a.NumCylinders == b.NumCylinders && a.PistonMass == b.PistonMass &&
           a.PeakPressureEngine == b.PeakPressureEngine && a.FrictionCoefficient == b.FrictionCoefficient &&
           a.RodsPerCrank == b.RodsPerCrank && a.GasPressureScale == b.GasPressureScale;
  }
  void ExpectOneMessage(const std::string& text, Icon icon) {
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QCOMPARE(g->p.messages[0].text, text);
    QCOMPARE(g->p.messages[0].icon, icon);
    g->p.messages.clear();
  }

 private slots:
  // Displacement and bore are primary; a stroke or crank radius moves the bore.
  void linkedGeometry() {
    Open();
    Type(0, "25");
    Type(2, "4");
    QCOMPARE(Box(1), QString("2.821"));
    QCOMPARE(Box(3), QString("2.000"));
    QCOMPARE(Box(0), QString("25.000"));
    const float bore = D().Bore;
    Open();
    Type(0, "25");
    Type(3, "2");
    QCOMPARE(D().Bore, bore);
    QCOMPARE(Box(2), QString("4.000"));
    QVERIFY(g->p.messages.empty());
  }

  void unitSystemFourShowsCentimetres() {
    Open(4);
    QCOMPARE(Gui().Text(In, "lbl_Unitleft_1"), QString("cm"));
    QCOMPARE(Gui().Text(In, "lbl_Unitleft_0"), QString("cc"));
    QCOMPARE(Gui().Text(In, "lbl_Unitrite_7"), QString("MPa"));
    Type(1, "8.5");
    QCOMPARE(D().Bore, 0.085f);
    QCOMPARE(Box(1), QString("8.50"));
    Type(9, "-0.5");  // an offset may be negative, and says nothing
    QCOMPARE(D().WristpinOffset, -0.005f);
    QVERIFY(g->p.messages.empty());
  }

  void linkLengthsAndPressure() {
    Open();
    Type(9, "0.5");
    Type(4, "1.2");  // L - R = 0.354 with R 1.768: shorter than the offset
    ExpectOneMessage("Your link lengths are incompatible. Please redo.", Icon::Critical);
    QCOMPARE(D().LRRatio, 3.5f);  // refused: the rod keeps its length
    QCOMPARE(Box(4), QString("3.500"));
    Type(2, "9000", "txt_Linkout2_");  // idle above redline: told at Calculate, nothing calculated
    Type(3, "6000", "txt_Linkout2_");
    QVERIFY(g->p.messages.empty());
    Gui().Click(In, "cmd_Calc");
    ExpectOneMessage("Idle RPM must not be above Redline RPM.", Icon::Warning);
    QVERIFY(!D().SingleResultsValid);
    Open();
    Type(7, "1200", "txt_Linkout2_");
    QCOMPARE(D().GasPressureScale, 2.0f);
    Gui().Click(In, "opt_Type_1");
    Type(7, "262", "txt_Linkout2_");
    QCOMPARE(D().GasPressureScale, static_cast<float>(262 / StoredCurvePeak(kPumpGasCurve)));
    QCOMPARE(D().PeakPressurePump, 262.0f);
    QVERIFY(g->p.messages.empty());
  }

  void arrangementAndRods() {
    Open();
    auto* type = Gui().Find<QComboBox>(In, "cmb_Type");
    type->lineEdit()->setText("vee twin");
    emit type->lineEdit()->editingFinished();
    QCOMPARE(int(D().Arrangement), 2);
    QCOMPARE(D().VeeAngle, 90.0f);
    QCOMPARE(type->currentText(), QString("Vee"));
    QVERIFY(Gui().Find(In, "fra_Conrod")->isVisibleTo(Screen()));
    Gui().Type(In, "txt_Rodnum", "0");
    ExpectOneMessage("ConRods/Throw must be 1 to 16.", Icon::Warning);
    QCOMPARE(Gui().Text(In, "txt_Rodnum"), QString("1"));
    Gui().Type(In, "txt_Rodnum", "2");
    QCOMPARE(int(D().RodsPerCrank), 2);
  }

  // The screen adds no arithmetic of its own: its results are the core's.
  void calculateGivesTheCoresResults() {
    Open();
    QVERIFY(!Ready());
    Type(1, "3.2");
    Gui().Click(In, "opt_Calctype_3");
    Gui().Click(In, "cmd_Calc");
    QVERIFY(Ready());
    QVERIFY(D().SingleResultsValid);
    EngineDesignRecord core = D();
    MessageList quiet;
    QVERIFY(Engine_Data(core, quiet) && OneCylinderChain(core, quiet, "test"));
    QVERIFY(core.table.GasForce == D().table.GasForce);
    QVERIFY(core.table.TotalTorque == D().table.TotalTorque);
    QVERIFY(core.table.PinForceX == D().table.PinForceX);
    QVERIFY(core.table.SingleShakingForce == D().table.SingleShakingForce);
    // Any edit disables Next and Run until Calculate.
    Gui().Type(In, "txt_Linkout2_2", "900", false);
    QVERIFY(!Ready());
    Gui().Click(In, "cmd_Calc");
    QVERIFY(Ready());
    Gui().Click(In, "opt_Stroke_0");
    QVERIFY(!Ready());
    Gui().Click(In, "cmd_Calc");
    Gui().Click(In, "cmd_Done");
    QVERIFY(!Screen()->isVisible());
    QVERIFY(Gui().Find<QAction>(ScreenId::Home, "mnu_Chart_0")->isEnabled());  // the home screen is refreshed
    QVERIFY(g->p.messages.empty());
  }

  // Each bad entry gets one warning naming its box; the record keeps its last
  // good value and Calculate does not run on it.
  void badInput() {
    struct Case {
      const char* box;
      const char* text;
      const char* message;
    };
    const Case cases[] = {
        {"txt_Linkout_1", "abc", "The bore is not a number.  Please redo."},
        {"txt_Linkout_1", "", "The bore is not a number.  Please redo."},
        {"txt_Linkout_1", "nan", "The bore is not a number.  Please redo."},
        {"txt_Linkout_1", "1,50", "The bore is not a number.  Please redo."},
        {"txt_Linkout_1", "0", "Bore must be above 0."},
        {"txt_Linkout_1", "-3", "Bore must be above 0."},
        {"txt_Linkout_2", "0", "Stroke must be above 0."},
        {"txt_Linkout_2", "-5", "Stroke must be above 0."},
        {"txt_Linkout_0", "-5", "Displacement of one cylinder must be above 0."},
        {"txt_Linkout_1", "1e39", "The bore is out of range.  Please redo."},
        {"txt_Linkout_5", "1.5", "Crank CG must be at least 0 and at most 1."},
        {"txt_Linkout2_1", "17", "No. Cylinders must be 1 to 16."},
        {"txt_Linkout2_2", "-5", "Idle RPM must be above 0."},
        {"txt_Linkout2_3", "0", "Redline RPM must be above 0."},
        {"txt_Linkout2_2", "99999", "Idle RPM must be at most 32767."},
        {"txt_Linkout2_4", "-1", "Piston Mass must not be negative."},
        {"txt_Linkout2_7", "-5", "Peak Cyl Pressure of an engine must be above 0."},
        {"txt_Linkout2_8", "99999", "Friction Coefficient must be at least 0 and at most 1."},
        {"txt_Rodnum", "0", "ConRods/Throw must be 1 to 16."},
    };
    for (const Case& c : cases) {
      for (int16_t units = 1; units <= 5; ++units) {
        Open(units);
        Gui().Click(In, "cmd_Calc");
        const EngineDesignRecord before = D();
        g->p.messages.clear();
        Gui().Type(In, c.box, c.text);
        QCOMPARE(g->p.messages.size(), std::size_t(1));
        QCOMPARE(g->p.messages[0].text, std::string(c.message));
        QCOMPARE(g->p.messages[0].icon, Icon::Warning);
        QVERIFY(!Ready());
        QVERIFY(SameInputs(before, D()));
        g->p.messages.clear();
        Gui().Click(In, "cmd_Calc");  // the box shows the record again: Calculate runs on good values
        QVERIFY2(g->p.messages.empty(), c.text);
        QVERIFY(SameInputs(before, D()));
      }
    }
  }

  // The program reads back every number it writes: grouping commas and the
  // blank-grouped decimals of the metric boxes.
  void boxesReadTheirOwnNumbers() {
    Open();
    Type(7, "1500", "txt_Linkout2_");
    QCOMPARE(Box(7, "txt_Linkout2_"), QString("1,500.0"));
    Type(7, "1,500.0", "txt_Linkout2_");
    Type(4, "99999", "txt_Linkout2_");
    QCOMPARE(Box(4, "txt_Linkout2_"), QString("99,999.0000"));
    Type(4, "99,999.0000", "txt_Linkout2_");
    Gui().Click(In, "cmd_Calc");
    QVERIFY(g->p.messages.empty());
    QCOMPARE(D().PeakPressureEngine, 1500.0f);
    QCOMPARE(D().PistonMass, 99999.0f);
    Open(3);
    Type(7, Box(7, "txt_Linkout2_"), "txt_Linkout2_");  // "4.136 854": MPa with six decimals
    QVERIFY(g->p.messages.empty());
    Gui().Click(In, "cmd_Calc");
    QVERIFY(D().SingleResultsValid);
  }

  // A compressor's gas force peaks at the entered pressure on the piston.
  void compressorGasForce() {
    for (const char* psi : {"131", "262", "600"}) {
      Open();
      Gui().Click(In, "opt_Type_1");
      QCOMPARE(Box(7, "txt_Linkout2_"), QString("131.0"));
      Type(7, psi, "txt_Linkout2_");
      Gui().Click(In, "cmd_Calc");
      const float peak = *std::max_element(D().table.GasForce.begin(), D().table.GasForce.end());
      const double expected = QString(psi).toDouble() * D().PistonArea;
      QVERIFY2(std::fabs(peak / expected - 1) < 0.01, psi);
      QCOMPARE(int(D().GasCurve), 2);
    }
  }

  // Viewing never edits: units there and back, and Calculate without an edit,
  // leave the saved model file as it was.
  void unitSwitchesAndCalculateKeepTheDesign() {
    std::ostringstream out, err;
    Open();
    const std::string path = g->tmp.path().toStdString() + "/v8.zrv";
    QCOMPARE(cli::Run({"save", path, "--preset", "5", "--set", "MainJournalDiameter=2.37"}, out, err), 0);
    QVERIFY(g->Told([&](EngineDesignRecord& d, MessageList& m) { return OpenModelFile(path, d, g->app->Values(), m); }));
    const std::string saved = ModelFileText(D(), g->app->Values());
    for (int units : {2, 3, 4, 5, 1}) {
      g->app->GetShell().PickUnits(units);
      QVERIFY(Screen()->isVisible());
      QVERIFY(QApplication::activeModalWidget() == Screen());
    }
    Gui().Click(In, "cmd_Calc");
    Gui().Click(In, "cmd_Done");
    g->app->Show(ScreenId::Assemble, Modality::Modeless);
    Gui().Click(ScreenId::Assemble, "cmd_Calc");
    QVERIFY(g->p.messages.empty());
    QCOMPARE(ModelFileText(D(), g->app->Values()), saved);
  }

  void animationRunsOnATimerAndStopsWhenClosed() {
    Open();
    Gui().Click(In, "cmd_Calc");
    auto* picture = Gui().Find<ui::PictureBox>(In, "pct_Pict1");
    QVERIFY(!picture->Picture().calls.empty());
    Gui().Find<QSlider>(In, "hsc_speed")->setValue(0);  // slowest: 5 s a revolution
    Gui().Click(In, "cmd_Animate");
    QTimer& timer = Screen()->AnimationTimer();
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 238);
    auto colours = [&] {
      int red = 0, white = 0;
      for (const CanvasCall& c : picture->Picture().calls) {
        if (c.kind != CanvasCall::Circle) continue;
        red += c.pen.colour == palette::Red;
        white += c.pen.colour == palette::White;
      }
      return std::make_pair(red, white);
    };
    // The next frame: the first erased in white, the second drawn in red.
    QTRY_VERIFY_WITH_TIMEOUT(colours().second > 0, 2000);
    QVERIFY(colours().first > 0);
    QVERIFY(Screen()->isVisible());
    Gui().Click(In, "cmd_Animate");  // Run while running starts again
    QVERIFY(timer.isActive());
    Screen()->close();
    QVERIFY(!timer.isActive());
  }

  void printFormAsksThenPrints() {
    Open();
    g->p.answers = {Answer::No};
    Gui().Click(In, "cmd_PlotPrint");
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QVERIFY(g->p.messages[0].text.ends_with("Do you want to proceed with a direct print?"));
    QCOMPARE(g->p.messages[0].buttons, Buttons::YesNo);
    QVERIFY(g->printer.printed.empty());
    g->p.messages.clear();
    g->printer.answers = {false};  // Yes, then the printer dialog is cancelled: silent
    Gui().Click(In, "cmd_PlotPrint");
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QVERIFY(g->printer.printed.empty());
    Gui().Click(In, "cmd_PlotPrint");
    QCOMPARE(g->printer.printed.size(), std::size_t(1));
    QCOMPARE(g->printer.printed[0].size(), Screen()->size() * Screen()->devicePixelRatio());
  }

  void zoomAndHelp() {
    Open();
    Gui().Trigger(In, "mnu_Minus");
    QCOMPARE(D().DrawingScale, 1.1f);
    QVERIFY(D().SingleResultsValid);
    Gui().Trigger(In, "mnu_Normal");
    QCOMPARE(D().DrawingScale, 1.0f);
    Gui().Trigger(In, "mnu_Help");
    QCOMPARE(g->p.messages.size(), std::size_t(0));
  }
};

QTEST_MAIN(InputDataGuiTest)
#include "input_data_gui_test.moc"
