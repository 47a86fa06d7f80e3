// The print selection and the table screen driven through their widgets:
// the table on the screen, the data file (against zorvan-cli table), the
// printout, and Cancel.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTableWidget>
#include <sstream>

#include "app/cli/cli.h"
#include "core/one_cylinder.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "tests/support/gui_app.h"
#include "ui/frm_home_screen.h"

using namespace zorvan;

namespace {
constexpr ScreenId Sel = ScreenId::Print, Data = ScreenId::PrintData;
constexpr const char* kShaking = "Total Shaking Force - X, Y, Mag, Angle";

QStringList FileLines(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  const QString text = QString::fromUtf8(f.readAll());
  return text.split("\r\n");
}
}  // namespace

class PrintGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;
  test::GuiDriver Gui() { return g->Gui(); }

  // The V8 example calculated, the print selection opened from home.
  void Open() {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->app->LoadExample(5));
    QCoreApplication::processEvents();
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Click(ScreenId::Home, "cmd_Print");
    QVERIFY(Gui().Screen(Sel)->isVisible());
    g->p.messages.clear();
  }
  void Choose(const QString& list, const QString& text) {
    auto* c = Gui().Find<QComboBox>(Sel, list);
    const int index = c->findText(text);
    QVERIFY2(index >= 0, qPrintable(list + ": " + text));
    c->setCurrentIndex(index);
    emit c->activated(index);
  }
  // A preset chosen with the target, step and decimals, then Next.
  void Output(const QString& preset, int target, const QString& step, const QString& decimals, bool local = false) {
    if (!Gui().Screen(Sel)->isVisible()) Gui().Click(ScreenId::Home, "cmd_Print");
    Choose("cmb_Preset", preset);
    if (local) Gui().Click(Sel, "opt_Coord_1");
    Gui().Click(Sel, QString("opt_Whereto_%1").arg(target));
    Gui().Find<QComboBox>(Sel, "cmb_Step")->setCurrentText(step);
    Gui().Find<QComboBox>(Sel, "cmb_Decimal")->setCurrentText(decimals);
    Gui().Click(Sel, "cmd_Done");
    QVERIFY(!Gui().Screen(Sel)->isVisible());
  }

 private slots:
  void tableOnTheScreen() {
    Open();
    QVERIFY(Gui().Screen(Sel)->windowTitle().endsWith("Select Print Data"));
    QVERIFY(Gui().Find<QRadioButton>(Sel, "opt_Whereto_0")->isChecked());
    Output(kShaking, 0, "10", "0");
    QVERIFY(Gui().Screen(Data)->isVisible());
    auto* grid = Gui().Find<QTableWidget>(Data, "grd_Data");
    QCOMPARE(grid->rowCount(), 5 + 25);
    QCOMPARE(grid->columnCount(), 5);
    QCOMPARE(grid->item(2, 4)->text(), QString("deg"));  // an angle column shows degrees
    QCOMPARE(grid->item(2, 1)->text(), QString("lb"));
    QCOMPARE(grid->item(3, 0)->text(), QString("Min"));
    QCOMPARE(grid->item(6, 0)->text(), QString("30."));
    QVERIFY(Gui().Find(Data, "lbl_Header2")->isVisible());
    Gui().Click(Data, "cmd_Copy");
    QCOMPARE(g->p.messages.back().text,
             std::string("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
    Gui().Click(Data, "cmd_Reprint");
    QVERIFY(Gui().Screen(Sel)->isVisible());
    // Fewer rows clear the grid of the longer table.
    Output(kShaking, 0, "1", "2");
    QCOMPARE(grid->rowCount(), 5 + 241);
    Gui().Click(Data, "cmd_Done");
    QVERIFY(!Gui().Screen(Data)->isVisible());
  }

  // The data file renames the design and equals zorvan-cli table's, line for line.
  void dataFileEqualsTheCommandLine() {
    Open();
    struct Case {
      const char* preset;
      const char* step;
      const char* decimals;
      bool local;
    };
    const Case cases[] = {{kShaking, "3", "2", false},
                          {"Torques - Gas, Inertia, Total, and Friction", "10", "4", false},
                          {"Crankpin Force - X, Y, Mag, Angle", "5", "0", true}};
    g->app->Values().DesignSaved = true;
    const QString dir = g->tmp.path();
    QDir().mkpath(dir + "/cli");
    for (const Case& c : cases) {
      g->p.paths.push_back((dir + "/table.dat").toStdString());
      Output(c.preset, 2, c.step, c.decimals, c.local);
      QCOMPARE(g->p.dialogs.back().request.title, std::string("Save the Data"));
      QCOMPARE(g->app->Values().FileName, std::string("table"));
      QVERIFY(!g->app->Values().DesignSaved);  // Save must not write the model over the data file
      const QStringList gui = FileLines(dir + "/table.dat");
      if (std::string(c.step) == "3") QCOMPARE(gui.size(), 10 + 81 + 1);
      std::ostringstream out, err;
      std::vector<std::string> args = {"table", "--format", c.preset, "--step", c.step, "--decimals", c.decimals,
                                       "-o", (dir + "/cli/table.dat").toStdString(), "--preset", "5"};
      if (c.local) args.insert(args.end(), {"--coord", "local"});
      QCOMPARE(cli::Run(args, out, err), 0);
      const QStringList cli = FileLines(dir + "/cli/table.dat");
      QCOMPARE(cli.size(), gui.size());
      for (int k = 0; k < gui.size(); ++k)
        if (k != 1) QCOMPARE(cli[k], gui[k]);  // the user, date and time aside
    }
    QVERIFY(g->p.messages.empty());
  }

  void printoutAndCancel() {
    Open();
    auto& zones = g->printer.zones;
    Output(kShaking, 1, "1", "2");
    QCOMPARE(int(zones.pages.size()), 6);
    for (int k = 0; k < 6; ++k) QCOMPARE(RecordingZonePrinter::DataLines(zones.pages[k]), k < 5 ? 46 : 11);
    QCOMPARE(zones.pages[0][11].back(), std::string("deg"));

    // Cancel in the printer or the save dialog: nothing written, nothing shown.
    zones.pages.clear();
    zones.answers = {false};
    Output(kShaking, 1, "1", "2");
    QVERIFY(zones.pages.empty());
    Output(kShaking, 2, "1", "2");  // no path scripted: the dialog is cancelled
    QCOMPARE(g->app->Values().FileName, std::string("Engine_1"));
    QVERIFY(QDir(g->tmp.path()).entryList({"*.dat"}).isEmpty());
    QVERIFY(g->p.messages.empty());
  }

  void unassembledEngineHidesItsLines() {
    g = std::make_unique<test::GuiApp>();
    EngineDesignRecord& d = g->app->Design();
    QVERIFY(g->OneCylinder());
    d.SingleResultsValid = true;
    d.EngineResultsValid = false;
    QCoreApplication::processEvents();
    g->app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->Refresh();
    Gui().Click(ScreenId::Home, "cmd_Print");
    g->p.paths.push_back((g->tmp.path() + "/one.dat").toStdString());
    Output("Position, Velocity, Acceleration, and Gas Force", 2, "10", "2");
    const QStringList lines = FileLines(g->tmp.path() + "/one.dat");
    QCOMPARE(lines[3], QString("   Phase Angles:  "));
    QCOMPARE(lines[4], QString("   Firing Order:  "));
    Output("Position, Velocity, Acceleration, and Gas Force", 0, "10", "2");
    QVERIFY(!Gui().Find(Data, "lbl_Header2")->isVisible());
  }
};

QTEST_MAIN(PrintGuiTest)
#include "print_gui_test.moc"
