// The plot screens driven through their widgets, offscreen: what they draw is
// the selection's columns, the cursor reads rows, pictures and data go out.
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

#include "core/presets.h"
#include "tests/support/gui_app.h"
#include "ui/frm_plot.h"
#include "ui/qt_platform.h"

using namespace zorvan;

class PlotGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  EngineDesignRecord& D() { return g->app->Design(); }
  ui::FrmPlot* Open(ScreenId id, int n, const char* format) {
    g = std::make_unique<test::GuiApp>();
    g->app->LoadExample(5);
    PlotSelection& s = g->app->Selection();
    s.WindowCount = static_cast<int16_t>(id == ScreenId::Plot1 ? 1 : n);
    ApplyPlotPreset(s, format, n);
    g->app->Show(id, Modality::Modeless);
    return g->app->Screen<ui::FrmPlot>(id);
  }

 private slots:
  void windowsShowTheSelectedColumns() {
    auto* screen = Open(ScreenId::Plot3, 4, "Crankpin Force - X, Y, Mag, Angle");
    const PlotModel& m = screen->View()->Model();
    QCOMPARE(m.windows.size(), std::size_t(4));
    for (int k = 0; k <= kLastRow; k += 40)
      QCOMPARE(m.windows[1].curves[0].y[k], D().table.PinForceY[k][kCrankpin]);
    QVERIFY(g->p.messages.empty());
    QVERIFY(g->app->Screen<QWidget>(ScreenId::Plot3)->findChild<QLabel*>("lbl_Header2")->isVisibleTo(screen));
  }

  void cursorFollowsThePointer() {
    auto* screen = Open(ScreenId::MyPlot2, 2, "Shaking Force - mag and angle");
    screen->resize(1000, 700);
    ui::ChartView* view = screen->View();
    view->grab();  // painted once, so the view knows where its windows lie
    QCOMPARE(view->CursorRow(), -1);
    QMouseEvent move(QEvent::MouseMove, QPointF(view->width() * 0.6, view->height() * 0.3), QPointF(),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QVERIFY(view->CursorRow() > 0 && view->CursorRow() < kLastRow);
  }

  void picturesAndDataGoOut() {
    auto* screen = Open(ScreenId::Plot1, 4, "Torques - Gas, Inertia, Total, and Friction");
    const std::string png = g->tmp.path().toStdString() + "/plot.png";
    g->p.paths = {png};
    screen->View()->Actions()[0]->trigger();  // Save Image...
    std::ifstream in(png, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    QCOMPARE(head, std::string("\x89PNG"));
    screen->View()->Actions()[2]->trigger();  // Copy Data
    QCOMPARE(QGuiApplication::clipboard()->text(), ui::QtText(PlotCsv(screen->View()->Model())));
    g->p.paths = {std::nullopt};  // Cancel writes nothing and says nothing
    screen->View()->Actions()[3]->trigger();
    QVERIFY(g->p.messages.empty());
  }

  // A window that cannot take its data says so once and stays empty.
  void overflowIsToldNeverCrashes() {
    g = std::make_unique<test::GuiApp>();
    g->app->LoadExample(5);
    D().table.GasForce[10] = 3e38f;
    PlotSelection& s = g->app->Selection();
    s.WindowCount = 2;
    ApplyPlotPreset(s, "Gas Force and Gas Torque", 2);
    g->p.messages.clear();
    g->app->Show(ScreenId::MyPlot2, Modality::Modeless);
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QVERIFY(g->p.messages[0].text.starts_with("The magnitude of F Gas exceeds the capacity of this window."));
    QCOMPARE(g->p.messages[0].icon, Icon::Warning);
    QVERIFY(g->app->Screen<ui::FrmPlot>(ScreenId::MyPlot2)->View()->Model().windows[0].curves.empty());
  }
};

QTEST_MAIN(PlotGuiTest)
#include "plot_gui_test.moc"
