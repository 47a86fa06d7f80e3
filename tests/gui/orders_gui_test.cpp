// The orders screen: opened from the Charts menu, the same figures as
// zorvan-cli orders for every example, in both subjects.
#include <QComboBox>
#include <sstream>

#include "app/cli/cli.h"
#include "core/balance_shafts.h"
#include "core/design.h"
#include "core/presets.h"
#include "plots/orders_chart.h"
#include "tests/support/gui_app.h"
#include "ui/frm_orders.h"

using namespace zorvan;

class OrdersGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void sameFiguresAsTheCommandLine() {
    test::GuiApp g;
    auto* screen = g.app->Screen<ui::FrmOrders>(ScreenId::Orders);
    auto* subject = g.Gui().Find<QComboBox>(ScreenId::Orders, "cmb_Subject");
    for (int preset = 0; preset < kPresetCount; ++preset) {
      // Each from the start-up design, as the command line starts (the W12 brings its own cylinder).
      QVERIFY(g.Reset() && g.app->LoadExample(preset));
      g.app->GetShell().ShowChart(kChartOrders);
      QVERIFY(screen->isVisible());
      for (int s : {0, 1}) {
        subject->setCurrentIndex(s);
        emit subject->activated(s);
        std::ostringstream out, err;
        std::vector<std::string> args{"orders", "--csv", "--preset", std::to_string(preset)};
        if (s == 1) args.insert(args.end(), {"--of", "shaking"});
        QCOMPARE(cli::Run(args, out, err), 0);
        QCOMPARE(OrdersCsv(g.app->Design(), screen->Columns()), out.str());
      }
    }
    QVERIFY(g.p.messages.empty());
  }

  // The moments about either point, and the engine with its balance shafts,
  // as zorvan-cli orders gives them.
  void momentsAboutEitherPointAndWithShafts() {
    test::GuiApp g;
    auto* screen = g.app->Screen<ui::FrmOrders>(ScreenId::Orders);
    QVERIFY(g.app->LoadExample(2));
    g.app->GetShell().ShowChart(kChartOrders);
    auto pick = [&](const char* name, int index) {
      auto* box = g.Gui().Find<QComboBox>(ScreenId::Orders, name);
      box->setCurrentIndex(index);
      emit box->activated(index);
    };
    auto csv = [&](std::vector<std::string> args) {
      std::ostringstream out, err;
      args.insert(args.begin(), {"orders", "--csv", "--of", "shaking", "--preset", "2"});
      return cli::Run(args, out, err) == 0 ? out.str() : err.str();
    };
    pick("cmb_Subject", 1);
    pick("cmb_Moments", 1);
    QCOMPARE(OrdersCsv(g.app->Design(), screen->Columns()), csv({"--moments-about", "cylinder1"}));
    MessageList told;
    QVERIFY(SizeDesignShafts(g.app->Design(), ShaftChoice::Second, told));
    pick("cmb_Moments", 0);
    auto with = DesignWithShafts(g.app->Design());
    QCOMPARE(OrdersCsv(*with, screen->Columns()), csv({"--balancer", "second"}));
  }

  // The inline 4 keeps only the second order of its inertia torque: one bar.
  void barsAreTheAmplitudes() {
    test::GuiApp g;
    QVERIFY(g.app->LoadExample(2));
    std::vector<OrderColumn> columns = OrderAnalysis(g.app->Design(), OrderSubject::Torque);
    const auto charts = BuildOrdersCharts(g.app->Design(), columns);
    QCOMPARE(charts.size(), std::size_t(1));
    QCOMPARE(charts[0].series.size(), std::size_t(3));
    const BarSeries& inertia = charts[0].series[1];
    QCOMPARE(inertia.name, std::string("Inertia Torque"));
    QCOMPARE(inertia.amplitudes[4], columns[1].spectrum[4].amplitude);  // order 2
    for (std::size_t k = 0; k < inertia.amplitudes.size(); ++k)
      if (k != 4) QVERIFY(inertia.amplitudes[k] < 1e-3 * inertia.amplitudes[4]);
    QVERIFY(charts[0].top >= inertia.amplitudes[4]);
  }
};

QTEST_MAIN(OrdersGuiTest)
#include "orders_gui_test.moc"
