// The balance shafts screen and the comparison of two designs: shafts sized
// and refused row by row, the balancer file saved and opened with the model
// file, and a second file compared with or refused, each failure one message
// and nothing changed.
#include <QFile>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "core/balance_shafts.h"
#include "files/balancer_file.h"
#include "tests/support/gui_app.h"

using namespace zorvan;

class BalanceShaftsGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void sizedAppliedAndRefusedRows() {
    test::GuiApp g;
    QVERIFY(g.app->LoadExample(2));
    g.app->Show(ScreenId::Shafts, Modality::Modeless);
    auto gui = g.Gui();
    gui.Click(ScreenId::Shafts, "cmd_Size");  // the Lanchester pair is the screen's first choice
    QCOMPARE(g.app->Design().BalanceShafts.size(), std::size_t(2));
    auto* grid = gui.Find<QTableWidget>(ScreenId::Shafts, "grd_Shafts");
    QCOMPARE(grid->rowCount(), 2);
    QVERIFY(gui.Find<QPlainTextEdit>(ScreenId::Shafts, "txt_Shafts")->toPlainText().contains("BALANCE SHAFTS"));

    const std::vector<BalanceShaft> sized = g.app->Design().BalanceShafts;
    grid->item(1, 2)->setText("12");
    grid->item(0, 0)->setText("3");
    g.p.messages.clear();
    gui.Click(ScreenId::Shafts, "cmd_Apply");
    QCOMPARE(g.p.messages.size(), std::size_t(1));
    QCOMPARE(g.p.messages[0].text, std::string("Row 1: the order must be 1 or 2."));
    QVERIFY(g.app->Design().BalanceShafts == sized);

    grid->item(0, 0)->setText("2");
    gui.Click(ScreenId::Shafts, "cmd_Apply");
    QCOMPARE(g.app->Design().BalanceShafts[1].massRadius, SiMassRadius(g.app->Design(), 12));
    QVERIFY(!g.app->Values().DesignSaved);
  }

  void balancerFileGoesWithTheModelFile() {
    test::GuiApp g;
    QVERIFY(g.app->LoadExample(2));
    MessageList told;
    QVERIFY(SizeDesignShafts(g.app->Design(), ShaftChoice::Second, told));
    const std::vector<BalanceShaft> shafts = g.app->Design().BalanceShafts;
    const std::string path = (g.tmp.path() + "/four.zrv").toStdString();
    g.p.paths = {path};
    g.app->GetShell().SaveAs();
    QVERIFY(QFile::exists(QString::fromStdString(BalancerFilePath(path))));

    // Opened again: the shafts come back exactly.
    QVERIFY(g.Reset() && g.app->Design().BalanceShafts.empty());
    QVERIFY(g.app->GetShell().ReadModel(path));
    QVERIFY(g.app->Design().BalanceShafts == shafts);

    // A bad row: one message, and the design as it was.
    QFile f(QString::fromStdString(BalancerFilePath(path)));
    QVERIFY(f.open(QIODevice::Append));
    f.write("2,1,-5,0,0\r\n");
    f.close();
    QVERIFY(g.app->LoadExample(5));
    g.p.messages.clear();
    QVERIFY(!g.app->GetShell().ReadModel(path));
    QCOMPARE(g.p.messages.size(), std::size_t(1));
    QVERIFY(g.p.messages[0].text.find("row 3 (line 4)") != std::string::npos);
    QCOMPARE(g.app->Design().NumCylinders, int16_t(8));
    QVERIFY(g.app->Design().BalanceShafts.empty());
  }

  void secondDesignComparedOrRefused() {
    test::GuiApp g;
    QVERIFY(g.app->LoadExample(5));
    const std::string path = (g.tmp.path() + "/v8.zrv").toStdString();
    g.p.paths = {path};
    g.app->GetShell().SaveAs();
    QVERIFY(g.app->LoadExample(2));
    auto& comparison = g.app->GetShell().GetComparison();

    g.p.messages.clear();
    g.p.paths = {(g.tmp.path() + "/missing.zrv").toStdString()};
    g.app->GetShell().CompareWith();
    QCOMPARE(g.p.messages.size(), std::size_t(1));
    QVERIFY(!comparison.Active() && !g.app->Overlay());

    g.p.messages.clear();
    g.p.paths = {path};
    g.app->GetShell().CompareWith();
    QVERIFY2(g.p.messages.empty(), g.p.messages.empty() ? "" : g.p.messages[0].text.c_str());
    QVERIFY(comparison.Active() && g.app->Overlay());
    auto* grid = g.Gui().Find<QTableWidget>(ScreenId::Compare, "grd_Compare");
    QVERIFY(g.Gui().Screen(ScreenId::Compare)->isVisible());
    QCOMPARE(grid->rowCount(), 16);
    QCOMPARE(grid->item(0, 3)->text().isEmpty(), false);

    // A second file that cannot be read keeps the comparison there was.
    g.p.paths = {(g.tmp.path() + "/missing.zrv").toStdString()};
    g.app->GetShell().CompareWith();
    QVERIFY(comparison.Active() && comparison.Name() == "v8.zrv");
  }
};

QTEST_MAIN(BalanceShaftsGuiTest)
#include "balance_shafts_gui_test.moc"
