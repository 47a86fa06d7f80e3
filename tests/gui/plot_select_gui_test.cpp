// The plot-type and selection screens driven through their widgets, offscreen.
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QRadioButton>

#include "core/presets.h"
#include "plots/plot_selection.h"
#include "tests/support/gui_app.h"
#include "ui/frm_home_screen.h"

using namespace zorvan;

class PlotSelectGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  static constexpr ScreenId Type = ScreenId::Plot;

  test::GuiDriver Gui() { return g->Gui(); }
  PlotSelection& S() { return g->app->Selection(); }
  // A V8 example calculated, the plot-type screen opened from home.
  void Open() {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->app->LoadExample(5));
    QCoreApplication::processEvents();  // the home screen's first activation ends start-up
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Click(ScreenId::Home, "cmd_Plot");
    QVERIFY(Gui().Screen(Type)->isVisible());
    g->p.messages.clear();
  }
  // Plot type i chosen and Next pressed.
  void ToSelection(int type) {
    Gui().Click(Type, QString("opt_PickPlot_%1").arg(type));
    Gui().Click(Type, "cmd_PickPlotDone");
  }
  // A list choice as the user makes it.
  void Choose(ScreenId id, const QString& list, const QString& text) {
    auto* c = Gui().Find<QComboBox>(id, list);
    const int index = c->findText(text);
    QVERIFY2(index >= 0 && c->isEnabled(), qPrintable(list + ": " + text));
    c->setCurrentIndex(index);
    emit c->activated(index);
  }
  void Fill(ScreenId id, int slot, const QString& function, const QString& component = "X") {
    Choose(id, QString("cmb_Var%1").arg(slot), function);
    if (Gui().Enabled(id, QString("cmb_Com%1").arg(slot))) Choose(id, QString("cmb_Com%1").arg(slot), component);
    Gui().Click(id, QString("cmd_OK%1").arg(slot));
  }
  bool Checked(ScreenId id, const QString& name) { return Gui().Find<QRadioButton>(id, name)->isChecked(); }

 private slots:
  void plotTypeLeadsToEachSelectionScreen() {
    Open();
    QVERIFY(!Gui().Enabled(Type, "cmd_PickPlotDone"));
    QVERIFY(Gui().Enabled(Type, "opt_PickPlot_3"));  // the polar selection screen is there
    QVERIFY(Gui().Screen(Type)->windowTitle().endsWith("Select Plot Type"));
    ToSelection(1);
    QCOMPARE(S().PlotType, int16_t(2));
    QVERIFY(!Gui().Screen(Type)->isVisible());
    QWidget* two = Gui().Screen(ScreenId::PlotSelect2);
    QVERIFY(two->isVisible());
    QVERIFY(two->windowTitle().endsWith("Select Plot Data"));
    QVERIFY(!Gui().Has(ScreenId::PlotSelect2, "cmb_Var3"));
    Gui().Click(ScreenId::PlotSelect2, "cmd_CancelPlotData");
    QVERIFY(!two->isVisible() && Gui().Screen(Type)->isVisible());
    // A double-click on a layout's picture goes straight on.
    QWidget* picture = Gui().Find(Type, "pct_PickPlot_2");
    QTest::mouseDClick(picture, Qt::LeftButton);
    QVERIFY(Gui().Screen(ScreenId::PlotSelect3)->isVisible());
    QCOMPARE(S().PlotType, int16_t(3));
  }

  void oneWindowMixAndMatchWarnsOfGaps() {
    Open();
    ToSelection(0);
    const ScreenId id = ScreenId::PlotSelect1;
    QVERIFY(Gui().Enabled(id, "cmb_Preset") && !Gui().Enabled(id, "cmb_Var1"));
    QCOMPARE(Gui().Find<QComboBox>(id, "cmb_Preset")->count(), 15);
    Gui().Click(id, "opt_PrintSet_1");
    QCOMPARE(Gui().Find<QComboBox>(id, "cmb_Var1")->count(), 18);
    QVERIFY(!Gui().Enabled(id, "cmb_Preset") && !Gui().Enabled(id, "cmd_OK1"));
    Fill(id, 1, "F Crank", "Y");
    QVERIFY(Gui().Enabled(id, "fra_coord"));
    Gui().Click(id, "opt_Coord_1");
    Fill(id, 3, "T Gas");
    QCOMPARE(Gui().Text(id, "cmb_Com3"), QString("Mag"));
    QVERIFY(!Gui().Enabled(id, "cmb_Com3"));
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QCOMPARE(g->p.messages[0].text, std::string(kPlotGapWarning));
    QVERIFY(!Gui().Enabled(id, "cmd_Done"));
    Fill(id, 2, "F Main", "Ang");
    QCOMPARE(Gui().Text(id, "lbl_Function_1"), QString("F Main"));
    QCOMPARE(Gui().Text(id, "lbl_Component_2"), QString("Mag"));
    QCOMPARE(S().FunctionCount, int16_t(3));
    Gui().Click(id, "cmd_Done");
    QCOMPARE(S().CoordinateSystem, int16_t(1));
    QCOMPARE(S().WindowCount, int16_t(1));
    QVERIFY(!Gui().Screen(id)->isVisible());
    QVERIFY(Checked(id, "opt_Coord_0") && !Gui().Enabled(id, "fra_coord"));
    // Back from the plot: the functions and the frame as they were chosen.
    Gui().Click(ScreenId::Plot1, "cmd_Replot");
    QVERIFY(Gui().Screen(id)->isVisible() && Checked(id, "opt_Coord_1") && Gui().Enabled(id, "cmd_Done"));
    QCOMPARE(Gui().Text(id, "lbl_Function_1"), QString("F Main"));
    QCOMPARE(Gui().Text(id, "cmb_Var3"), QString("T Gas"));
  }

  void twoWindowPresetsAndDoubleClick() {
    Open();
    ToSelection(1);
    const ScreenId id = ScreenId::PlotSelect2;
    QCOMPARE(Gui().Find<QComboBox>(id, "cmb_Preset")->count(), 18);
    Choose(id, "cmb_Preset", "Crankpin Force  - X and Y components");
    QCOMPARE(Gui().Text(id, "lbl_Function_0"), QString("F Crank"));
    QCOMPARE(Gui().Text(id, "lbl_Component_1"), QString("Y"));
    QVERIFY(Gui().Enabled(id, "cmd_Done") && Gui().Enabled(id, "fra_coord"));
    QVERIFY(!Gui().Enabled(id, "cmb_Var1"));
    Gui().Click(id, "cmd_ClearPreset");
    QVERIFY(!Gui().Enabled(id, "cmd_Done"));
    QVERIFY(Gui().Text(id, "lbl_Function_0").isEmpty() && Gui().Text(id, "cmb_Preset").isEmpty());

    // Mix and Match: a double-click on a scalar accepts it, on the last slot it goes on.
    Gui().Click(id, "opt_PrintSet_1");
    Gui().Click(id, "opt_Plotstyle_0");
    auto doubleClick = [&](int slot, const QString& function) {
      auto* list = Gui().Find<QComboBox>(id, QString("cmb_Var%1").arg(slot));
      list->setCurrentIndex(list->findText(function));
      QMouseEvent e(QEvent::MouseButtonDblClick, QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(list, &e);
    };
    doubleClick(1, "T Total");
    QCOMPARE(Gui().Text(id, "lbl_Component_0"), QString("Mag"));
    QVERIFY(Gui().Screen(id)->isVisible());
    doubleClick(2, "T Friction");
    QVERIFY(!Gui().Screen(id)->isVisible());
    QCOMPARE(S().PlotStyle, int16_t(1));
    QCOMPARE(S().SlotFunction[2], int16_t(8));
    QCOMPARE(S().SlotComponentText[2], std::string("Magnitude"));
  }

  void fourWindowsNeedEverySlot() {
    Open();
    ToSelection(2);
    const ScreenId id = ScreenId::PlotSelect3;
    Gui().Click(id, "opt_PrintSet_1");
    Fill(id, 1, "F Shake 1", "Mag");
    Fill(id, 2, "M Shake All", "Ang");
    Fill(id, 3, "Velocity");
    QVERIFY(!Gui().Enabled(id, "cmd_Done"));
    Fill(id, 4, "F Piston", "X");
    QVERIFY(Gui().Enabled(id, "cmd_Done"));
    QCOMPARE(S().FunctionCount, int16_t(4));
    Gui().Click(id, "cmd_Done");
    QCOMPARE(S().WindowCount, int16_t(4));
    QCOMPARE(S().PlotStyle, int16_t(2));
    // The next visit starts afresh, on the method last chosen.
    g->app->Show(id, Modality::Modal);
    QVERIFY(Checked(id, "opt_PrintSet_1") && !Gui().Enabled(id, "cmd_Done"));
    QVERIFY(Gui().Text(id, "lbl_Function_3").isEmpty() && Gui().Text(id, "cmb_Var4").isEmpty());
    QVERIFY(g->p.messages.empty());
  }
};

QTEST_MAIN(PlotSelectGuiTest)
#include "plot_select_gui_test.moc"
