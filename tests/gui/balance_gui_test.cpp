// The balancing screen driven through its widgets: the counterweight boxes
// and their checks, the unit of the radius, Calculate twice, and the plot.
#include <QApplication>

#include "screen_logic/balance_data.h"
#include "core/counterweight.h"
#include "core/recalculate.h"
#include "core/result_catalogue.h"
#include "core/units.h"
#include "tests/support/gui_app.h"
#include "ui/frm_balance.h"
#include "ui/frm_home_screen.h"

using namespace zorvan;

class BalanceGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  static constexpr ScreenId B = ScreenId::Balance;
  test::GuiDriver Gui() { return g->Gui(); }
  EngineDesignRecord& D() { return g->app->Design(); }

  // The start-up cylinder calculated, the balancing screen opened from home.
  void Open() {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->OneCylinder());
    QCoreApplication::processEvents();
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Click(ScreenId::Home, "cmd_Balance");
    QVERIFY(Gui().Screen(B)->isVisible());
    QVERIFY(!Gui().Enabled(B, "cmd_Done"));
    g->p.messages.clear();
  }
  std::vector<float> Shaking(int function) {
    std::vector<float> v;
    for (int k = 0; k <= kLastRow; ++k) {
      const ResultXY xy = ResultAt(D().table, PlotFunction(function), k);
      v.push_back(xy.x);
      v.push_back(xy.y);
    }
    return v;
  }

 private slots:
  void calculateTwiceEqualsOnce() {
    Open();
    QCOMPARE(Gui().Text(B, "lbl_Ang2"), QString("180"));
    QVERIFY(!Gui().Enabled(B, "txt_Rodnum"));  // an inline engine: one rod a throw
    Gui().Click(B, "cmd_Calc");
    QVERIFY(Gui().Enabled(B, "cmd_Done"));
    const auto once = Shaking(15);
    const auto pins = D().table.PinForceX;
    Gui().Click(B, "cmd_Calc");
    QCOMPARE(Shaking(15), once);
    QVERIFY(D().table.PinForceX == pins);
    auto* s = g->app->Screen<ui::FrmBalance>(B);
    QCOMPARE(s->Plot().balanced.size(), size_t(241));
    QVERIFY(Gui().Find(B, "pnl_Bal")->isVisible());
    QVERIFY(g->p.messages.empty());
  }

  void boxesAreChecked() {
    Open();
    Gui().Type(B, "txt_CtrwtAng", "-1");
    QCOMPARE(g->p.messages.back().text, std::string(kMustBePositive));
    QCOMPARE(Gui().Text(B, "txt_CtrwtAng"), QString("180"));
    Gui().Type(B, "txt_CtrwtMass", "-2");
    QCOMPARE(Gui().Text(B, "txt_CtrwtMass"), QString("0.01"));
    // A mass of 0 leaves the cylinder unbalanced.
    Gui().Type(B, "txt_CtrwtMass", "0");
    QCOMPARE(D().CounterweightMass, 0.0f);
    QCOMPARE(Shaking(15), Shaking(20));
  }

  void radiusInCentimetres() {
    Open();
    EngineDesignRecord& d = D();
    ConvertDesign(d, 1, 4);
    d.UnitSystem = 4;
    SetUnitLabels(d);
    SetDigitCounts(d);
    QVERIFY(g->OneCylinder());
    Gui().Click(ScreenId::Home, "cmd_Balance");
    QCOMPARE(Gui().Text(B, "lbl_Unit_9"), QString("cm"));
    QCOMPARE(Gui().Text(B, "lbl_Unit_7"), QString("kg-cm"));  // the mass-radius product's own unit
    Gui().Type(B, "txt_CtrwtRad", "5");
    QCOMPARE(d.CounterweightRadius, 0.05f);
  }
};

QTEST_MAIN(BalanceGuiTest)
#include "balance_gui_test.moc"
