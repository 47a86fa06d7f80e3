// The orders screen: opened from the Charts menu, the same figures as
// zorvan-cli orders for every example, in both subjects.
#include <QComboBox>
#include <sstream>

#include "app/cli/cli.h"
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
