// The flywheel screen driven through its widgets: the coefficient box, the
// energy table's heading, the extremes, the torque plots and the flywheel's
// size against zorvan-cli dump.
#include <QApplication>
#include <sstream>

#include "app/cli/cli.h"
#include "screen_logic/flywheel_data.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/presets.h"
#include "tests/support/gui_app.h"
#include "tests/support/json_reader.h"
#include "ui/frm_flywheel.h"
#include "ui/frm_home_screen.h"

using namespace zorvan;

class FlywheelGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  static constexpr ScreenId F = ScreenId::Flywheel;
  test::GuiDriver Gui() { return g->Gui(); }
  ui::FrmFlywheel* Screen() { return g->app->Screen<ui::FrmFlywheel>(F); }

  void Open(int example) {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->app->LoadExample(example));
    QCoreApplication::processEvents();
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Click(ScreenId::Home, "cmd_Flywheel");
    QVERIFY(Gui().Screen(F)->isVisible());
  }

 private slots:
  void opensCalculatedWithPlotsExtremesAndHeading() {
    for (int example : {1, 5}) {
      Open(example);
      const EngineDesignRecord& d = g->app->Design();
      QVERIFY(d.FlywheelResultsValid);
      QVERIFY(g->p.messages.empty());
      QCOMPARE(Gui().Text(F, "lbl_Torque_0"), QString::fromStdString(FNRoundStr(d.TorqueMinNoFlywheel, 0)));
      QCOMPARE(Gui().Text(F, "lbl_Torque_3"), QString::fromStdString(FNRoundStr(d.TorqueMaxFlywheel, 0)));
      QCOMPARE(Gui().Text(F, "lbl_Unit_1"), QString::fromStdString(d.UnitLabel[5]));
      QCOMPARE(Screen()->View(0)->Model().windows.at(0).title, std::string("Torque With No Flywheel"));
      QCOMPARE(Screen()->View(1)->Model().windows.at(0).title, std::string("Torque With a Flywheel"));
      QCOMPARE(Screen()->View(1)->Model().windows.at(0).bottomTitle, std::string("Crank Angle (0 to 720 Deg)"));
      // The heading names the sign of the first pulse: that of row 2 about the average.
      const bool negative = d.table.TotalTorque[2] < Screen()->Result().averageTorque;
      QVERIFY(Gui().Text(F, "pct_Pict1").contains(negative ? " Order   Neg Area   Pos Area"
                                                            : " Order   Pos Area   Neg Area"));
      QVERIFY(Gui().Text(F, "lbl_Data").contains("Crank Speed ="));
    }
  }

  void coefficientBox() {
    Open(5);
    EngineDesignRecord& d = g->app->Design();
    Gui().Type(F, "txt_Fluct", "1.5");
    QCOMPARE(g->p.messages.back().text, std::string(kCoefFluctMessage));
    QCOMPARE(d.CoefFluct, 0.05f);
    QCOMPARE(Gui().Text(F, "txt_Fluct"), QString(".05"));
    g->p.messages.clear();
    Gui().Type(F, "txt_Fluct", "1");
    QVERIFY(g->p.messages.empty());
    QCOMPARE(d.CoefFluct, 1.0f);
    for (int k = 0; k <= kLastRow; ++k) QCOMPARE(d.table.SmoothedTorque[k], d.table.TotalTorque[k]);
  }

  void energySwingAndInertiaAsTheDumpGives() {
    Open(5);
    Gui().Type(F, "txt_Fluct", ".05");
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"dump", "--preset", "5", "--set", "CoefFluct=0.05"}, out, err), 0);
    cli::Json j;
    QVERIFY(cli::JsonReader(out.str()).Read(j));
    const QString shown = Gui().Text(F, "lbl_Size");
    for (const char* key : {"EnergySwing", "FlywheelInertia"}) {
      const std::string value = GeneralNumberText(static_cast<float>(j["flywheel"][key].number));
      QVERIFY2(shown.contains(QString::fromStdString(" = " + value + " ")), qPrintable(shown + " / " + value.c_str()));
    }
    Gui().Click(F, "cmd_Done");
    QVERIFY(!Gui().Screen(F)->isVisible());
  }

  // Clear Data takes the engine away: the flywheel shown beside it is worked
  // again from what the design now offers, the one cylinder's torque.
  void showsNoEngineThatIsGone() {
    Open(5);
    const std::vector<float> v8 = Screen()->View(0)->Model().windows.at(0).curves.at(0).y;
    g->app->Show(ScreenId::Assemble, Modality::Modeless);
    Gui().Click(ScreenId::Assemble, "cmd_ClearSegs");
    const EngineDesignRecord& d = g->app->Design();
    QVERIFY(!d.EngineResultsValid && d.SingleResultsValid);
    QVERIFY(Gui().Screen(F)->isVisible());
    const PlotCurve& torque = Screen()->View(0)->Model().windows.at(0).curves.at(0);
    QVERIFY(torque.y != v8);
    for (int row = 0; row <= kLastRow; ++row) QCOMPARE(torque.y[row], d.table.TotalTorque[row]);
    QCOMPARE(d.table.GasForce, d.table.SingleGasForce);  // the cylinder's own columns again
  }
};

QTEST_MAIN(FlywheelGuiTest)
#include "flywheel_gui_test.moc"
