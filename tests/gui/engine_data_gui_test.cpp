// The engine configuration screen driven through its widgets, offscreen.
#include <QComboBox>
#include <sstream>

#include "app/cli/cli.h"
#include "app/cli/dump.h"
#include "screen_logic/notices.h"
#include "core/presets.h"
#include "tests/support/gui_app.h"
#include "ui/frm_engine_data.h"
#include "ui/picture_box.h"

using namespace zorvan;

class EngineDataGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  static constexpr ScreenId En = ScreenId::Assemble;

  EngineDesignRecord& D() { return g->app->Design(); }
  test::GuiDriver Gui() { return g->Gui(); }
  auto& Messages() { return g->p.messages; }
  void Open() {
    g = std::make_unique<test::GuiApp>();
    g->app->Show(En, Modality::Modeless);
    Messages().clear();
  }
  void PickType(int index) {
    auto* type = Gui().Find<QComboBox>(En, "cmb_Type");
    type->setCurrentIndex(index);
    emit type->activated(index);
  }
  void Cylinders(const QString& n) {
    auto* box = Gui().Find<QLineEdit>(En, "txt_Cylinders");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, n);
    QTest::keyClick(box, Qt::Key_Return);
  }
  void Row(int k, const QString& phase, const QString& power, const QString& order) {
    Gui().Type(En, QString("txt_Phase_%1").arg(k), phase);
    Gui().Type(En, QString("txt_Power_%1").arg(k), power);
    Gui().Type(En, QString("txt_Order_%1").arg(k), order);
  }
  QString Text(const QString& name) { return Gui().Text(En, name); }
  void ExpectMessage(const std::string& text, Icon icon) {
    if (Messages().size() != 1 || Messages()[0].text != text)
      for (const auto& m : Messages()) qWarning("message: %s", m.text.c_str());
    QCOMPARE(Messages().size(), std::size_t(1));
    QCOMPARE(Messages()[0].text, text);
    QCOMPARE(Messages()[0].icon, icon);
    Messages().clear();
  }
  // The engine's tables, harmonic sums and total torque as the dump writes them.
  static std::string EngineJson(const std::string& dump) {
    const std::size_t tables = dump.find("\"tables\":"), banks = dump.find(",\"BankNumber\"");
    const std::size_t torque = dump.find("\"TotalTorque\":"), shaking = dump.find(",\"ShakingTorque\"");
    return dump.substr(tables, banks - tables) + dump.substr(torque, shaking - torque);
  }
  // The same engine given to zorvan-cli with --set: one engine, one answer.
  void ExpectSameAsTheCommandLine(const std::vector<std::string>& sets) {
    std::vector<std::string> args{"dump"};
    for (const std::string& s : sets) args.insert(args.end(), {"--set", s});
    std::ostringstream cliOut, cliErr, screen;
    QCOMPARE(cli::Run(args, cliOut, cliErr), 0);
    cli::WriteDumpJson(D(), FlywheelResult{}, screen);
    QVERIFY(EngineJson(screen.str()) == EngineJson(cliOut.str()));
  }

 private slots:
  void cylinderCounts() {
    Open();
    // A count out of range is refused, and the rows keep their entries.
    PickType(1);
    Cylinders("4");
    Row(2, "180", "540", "3");
    for (const char* bad : {"0", "-3", "17", "20"}) {
      Cylinders(bad);
      ExpectMessage("No. Cylinders must be 1 to 16.", Icon::Warning);
      QCOMPARE(Text("txt_Cylinders"), QString("4"));
      QCOMPARE(int(D().NumCylinders), 4);
      QCOMPARE(Text("txt_Phase_2"), QString("180"));
      QCOMPARE(Text("txt_Order_2"), QString("3"));
    }
    Cylinders("16");
    QVERIFY(Gui().Find(En, "txt_Phase_16")->isVisibleTo(g->app->Screen<QWidget>(En)));
    Cylinders("5");
    ExpectMessage("A vee or opposed engine must have an even number of cylinders", Icon::None);
    QCOMPARE(Text("txt_Cylinders"), QString("6"));
    Cylinders("abc");
    ExpectMessage("The number of cylinders is not a number.  Please redo.", Icon::Warning);
  }

  void veeAngles() {
    Open();
    PickType(3);  // W
    Cylinders("8");
    const float vee = D().VeeAngle;
    for (const char* bad : {"200", "-90", "nan"}) {
      Gui().Type(En, "txt_Veeang", bad);
      QCOMPARE(Messages().size(), std::size_t(1));
      QCOMPARE(Messages()[0].icon, Icon::Warning);
      Messages().clear();
      QCOMPARE(D().VeeAngle, vee);  // refused: the engine keeps its angle
      QCOMPARE(Text("txt_Veeang"), QString::number(vee));
    }
    PickType(2);  // opposed: always 180, whatever is typed
    Gui().Type(En, "txt_Veeang", "35");
    QVERIFY(Messages().empty());
    QCOMPARE(D().VeeAngle, 180.0f);
    QCOMPARE(Text("txt_Veeang"), QString("180"));
    PickType(1);
    for (const char* bad : {"0"}) {  // allowed in the box, but no vee engine has it
      Gui().Type(En, "txt_Veeang", bad);
      Messages().clear();
      Cylinders("4");
      Row(2, "180", "180", "2");
      Row(3, "180", "540", "3");
      Row(4, "0", "360", "4");
      Messages().clear();
      Gui().Click(En, "cmd_Calc");
      QVERIFY2(!Messages().empty(), bad);
      QVERIFY(!D().EngineResultsValid);
      QVERIFY(!Gui().Enabled(En, "cmd_Data"));
    }
  }

  void rowsMustBeFilledAndTheEngineMustHaveCylinders() {
    Open();
    Cylinders("1");
    Gui().Click(En, "cmd_Calc");
    ExpectMessage("You have not yet created a multicylinder engine.", Icon::None);
    PickType(0);
    Cylinders("4");
    Row(1, "0", "0", "1");
    Row(2, "180", "180", "3");
    Row(4, "0", "540", "2");
    Gui().Type(En, "txt_Phase_3", "180");
    Gui().Type(En, "txt_Power_3", "360");
    Gui().Click(En, "cmd_Calc");
    ExpectMessage("Please fill in the Firing Order, Phase Angles, and Firing Angles for this engine", Icon::Warning);
    QVERIFY(!D().EngineResultsValid);
    Gui().Type(En, "txt_Order_3", "4");
    // Bad row entries are refused as they are made; the box shows its last good value again.
    const std::pair<const char*, const char*> refused[] = {
        {"txt_Phase_2", "x"},   {"txt_Phase_2", "400"}, {"txt_Phase_2", "-5"},
        {"txt_Power_2", "900"}, {"txt_Power_2", "-90"}, {"txt_Order_2", "9"},
        {"txt_Order_2", "0"},
    };
    for (auto [box, text] : refused) {
      Gui().Type(En, box, text);
      QCOMPARE(Messages().size(), std::size_t(1));
      QCOMPARE(Messages()[0].icon, Icon::Warning);
      Messages().clear();
      QCOMPARE(Text(box), QString(QString(box).startsWith("txt_Order") ? "3" : "180"));
    }
    Gui().Type(En, "txt_Phase_2", "180");
    Gui().Type(En, "txt_Power_2", "180");
    Gui().Type(En, "txt_Order_2", "4");  // cylinder 4 named twice: never calculated
    Gui().Click(En, "cmd_Calc");
    ExpectMessage("The firing order must name each cylinder from 1 to 4 exactly once.", Icon::Warning);
    QVERIFY(!D().EngineResultsValid);
    QVERIFY(!Gui().Enabled(En, "cmd_Data"));
  }

  // Clear Data and any entry that changes the engine take its results away.
  void staleResultsAreNotOffered() {
    Open();
    auto* list = Gui().Find<QComboBox>(En, "cmb_Examples");
    list->setCurrentIndex(5);
    emit list->activated(5);
    QVERIFY(Gui().Enabled(En, "cmd_Data"));
    Gui().Click(En, "cmd_ClearSegs");
    QVERIFY(!Gui().Enabled(En, "cmd_Data") && !Gui().Enabled(En, "cmd_Animate") && !D().EngineResultsValid);
    emit list->activated(5);
    Gui().Type(En, "txt_Spacing", "2");
    QVERIFY(!Gui().Enabled(En, "cmd_Data") && !D().EngineResultsValid);
    emit list->activated(5);
    Gui().Type(En, "txt_Phase_3", "90");
    QVERIFY(!Gui().Enabled(En, "cmd_Data") && !D().EngineResultsValid);
  }

  // A refused entry leaves the engine as it was: its value, the example, the drawing and the commands.
  void aRefusedEntryKeepsTheEngine() {
    Open();
    auto* list = Gui().Find<QComboBox>(En, "cmb_Examples");
    list->setCurrentIndex(5);
    emit list->activated(5);
    const QString before = Text("txt_Order_3");
    Gui().Type(En, "txt_Order_3", "99");
    QCOMPARE(Messages().size(), std::size_t(1));
    emit Gui().Find<QLineEdit>(En, "txt_Order_3")->editingFinished();  // left again, as after the message box
    QCOMPARE(Text("txt_Order_3"), before);
    QCOMPARE(list->currentIndex(), 5);
    QVERIFY(D().EngineResultsValid && Gui().Enabled(En, "cmd_Data") && Gui().Enabled(En, "cmd_Phasors"));
    QVERIFY(!Gui().Find<ui::PictureBox>(En, "pct_Pict1")->Picture().calls.empty());
    QCOMPARE(Messages().size(), std::size_t(1));
  }

  void everyExampleLoadsAndBalanceShowsTheNotices() {
    Open();
    auto* list = Gui().Find<QComboBox>(En, "cmb_Examples");
    QCOMPARE(list->count(), kPresetCount);
    for (int k = 0; k < kPresetCount; ++k) {
      list->setCurrentIndex(k);
      emit list->activated(k);
      QVERIFY2(D().EngineResultsValid, qPrintable(list->itemText(k)));
      QVERIFY(Gui().Enabled(En, "cmd_Data") && Gui().Enabled(En, "cmd_Animate") && Gui().Enabled(En, "cmd_Done"));
      QCOMPARE(Text("txt_Cylinders"), QString::number(D().NumCylinders));
    }
    QVERIFY(Messages().empty());
    Gui().Click(En, "cmd_Data");
    QCOMPARE(g->p.fixedWidth.size(), std::size_t(3));
    QCOMPARE(g->p.fixedWidth[0], BalanceNoticeText(D(), BalanceKind::Force));
    QCOMPARE(g->p.fixedWidth[1], BalanceNoticeText(D(), BalanceKind::Moment));
    QCOMPARE(g->p.fixedWidth[2], BalanceNoticeText(D(), BalanceKind::Torque));
    Gui().Trigger(En, "mnu_Guidelines");
    QCOMPARE(g->p.fixedWidth.back(), GuidelinesNoticeText(D().StrokeCycle));
    // The spacing notice shows once when the user enters the box; the focus its
    // OK hands back does not show it again.
    auto* spacing = Gui().Find<QLineEdit>(En, "txt_Spacing");
    const std::size_t shown = g->p.fixedWidth.size();
    QWidget* screen = g->app->Screen<QWidget>(En);
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    Gui().Find<QLineEdit>(En, "txt_Cylinders")->setFocus();
    spacing->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(g->p.fixedWidth.size(), shown + 1);
    QCOMPARE(g->p.fixedWidth.back(), SpacingNoticeText());
    Gui().Find<QLineEdit>(En, "txt_Veeang")->setFocus();
    spacing->setFocus(Qt::ActiveWindowFocusReason);
    QTest::qWait(20);
    QCOMPARE(g->p.fixedWidth.size(), shown + 1);
  }

  // The screen's engine is the command line's engine, bit for bit.
  void enginesEnteredRowByRowMatchTheCommandLine() {
    struct Engine {
      int type;
      const char* cylinders;
      const char* vee;
      std::vector<std::array<const char*, 3>> rows;  // phase, firing angle, firing order
      std::vector<std::string> sets;
    };
    const Engine engines[] = {
        {0, "6", nullptr,
         {{"0", "0", "1"}, {"240", "480", "5"}, {"120", "240", "3"}, {"120", "600", "6"}, {"240", "120", "2"},
          {"0", "360", "4"}},
         {"NumCylinders=6", "Arrangement=1", "PhaseAngle=0,240,120,120,240,0", "FiringAngle=0,480,240,600,120,360",
          "FiringOrder=1,5,3,6,2,4"}},
        {1, "8", "90",
         {{"0", "0", "1"}, {"90", "450", "5"}, {"270", "270", "4"}, {"180", "180", "3"}, {"0", "90", "7"},
          {"90", "540", "2"}, {"270", "360", "6"}, {"180", "630", "8"}},
         {"NumCylinders=8", "Arrangement=2", "VeeAngle=90", "PhaseAngle=0,90,270,180,0,90,270,180",
          "FiringAngle=0,450,270,180,90,540,360,630", "FiringOrder=1,5,4,3,7,2,6,8"}},
        {3, "12", "120",
         {{"0", "0", "1"}, {"180", "360", "2"}, {"180", "360", "3"}, {"0", "0", "4"}, {"0", "120", "5"},
          {"180", "480", "6"}, {"180", "480", "7"}, {"0", "120", "8"}, {"0", "240", "9"}, {"180", "600", "10"},
          {"180", "600", "11"}, {"0", "240", "12"}},
         {"NumCylinders=12", "Arrangement=4", "VeeAngle=120", "PhaseAngle=0,180,180,0,0,180,180,0,0,180,180,0",
          "FiringAngle=0,360,360,0,120,480,480,120,240,600,600,240", "FiringOrder=1,2,3,4,5,6,7,8,9,10,11,12"}},
    };
    for (const Engine& e : engines) {
      Open();
      PickType(e.type);
      Cylinders(e.cylinders);
      if (e.vee) Gui().Type(En, "txt_Veeang", e.vee);
      for (std::size_t k = 0; k < e.rows.size(); ++k) Row(int(k + 1), e.rows[k][0], e.rows[k][1], e.rows[k][2]);
      Gui().Click(En, "cmd_Calc");
      QVERIFY(D().EngineResultsValid);
      ExpectSameAsTheCommandLine(e.sets);
    }
    // The drawing of the last, a W, shows three banks of pistons.
    auto* picture = Gui().Find<ui::PictureBox>(En, "pct_Pict1");
    int circles = 0;
    for (const CanvasCall& c : picture->Picture().calls) circles += c.kind == CanvasCall::Circle;
    QCOMPARE(circles, 12);
  }

  void homeExamplesOpenTheScreenAssembledAndNextCountsTheDesign() {
    g = std::make_unique<test::GuiApp>();
    Gui().Trigger(ScreenId::Home, "mnu_examp_6");  // the V8
    QWidget* screen = g->app->Screen<QWidget>(En);
    QVERIFY(screen->isVisible());
    QCOMPARE(Text("cmb_Examples"), QString::fromStdString(PresetText(5)));
    QCOMPARE(Text("cmb_Type"), QString("Vee"));
    QVERIFY(Gui().Enabled(En, "cmd_Animate"));
    QVERIFY(!Gui().Find<ui::PictureBox>(En, "pct_Pict1")->Picture().calls.empty());
    QCOMPARE(Text("txt_Order_5"), QString("7"));
    const int16_t design = g->app->Values().DesignNumber;
    Gui().Click(En, "cmd_Calc");
    Gui().Click(En, "cmd_Done");
    QVERIFY(!screen->isVisible());
    QCOMPARE(int(g->app->Values().DesignNumber), design + 1);
    QVERIFY(!g->app->Values().DesignSaved);
    QVERIFY(Gui().Find<QAction>(ScreenId::Home, "mnu_Chart_2")->isEnabled());
  }

  void printFormFaultsAreReportedUnderThisScreensName() {
    Open();
    g->printer.fail = true;
    g->p.answers = {Answer::Yes};
    Gui().Click(En, "cmd_PlotPrint");
    QCOMPARE(Messages().size(), std::size_t(2));
    QVERIFY2(Messages()[1].text.find("has occurred in frm_EngineData.PrintForm") != std::string::npos,
             Messages()[1].text.c_str());
  }
};

QTEST_MAIN(EngineDataGuiTest)
#include "engine_data_gui_test.moc"
