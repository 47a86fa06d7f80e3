// The torsional screen: opened from the Charts menu with the same figures as
// zorvan-cli torsional, a bad cell refused with the row and nothing changed,
// an edit entered into the design, Defaults, and a picture for each choice.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <sstream>

#include "app/cli/cli.h"
#include "core/torsional.h"
#include "tests/support/gui_app.h"
#include "ui/frm_torsional.h"

using namespace zorvan;

class TorsionalGuiTest : public QObject {
  Q_OBJECT

  static void SetCell(QTableWidget* t, int row, int col, const QString& text) {
    t->setItem(row, col, new QTableWidgetItem(text));
  }

 private slots:
  void tableEditedRefusedAndReset() {
    test::GuiApp g;
    QVERIFY(g.app->LoadExample(4));
    g.app->GetShell().ShowChart(kChartTorsional);
    auto* screen = g.app->Screen<ui::FrmTorsional>(ScreenId::Torsional);
    QVERIFY(screen->isVisible());
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"torsional", "--preset", "4"}, out, err), 0);
    QCOMPARE(g.Gui().Find<QPlainTextEdit>(ScreenId::Torsional, "txt_Report")->toPlainText().toStdString(), out.str());
    auto* table = g.Gui().Find<QTableWidget>(ScreenId::Torsional, "grd_Stations");
    QCOMPARE(table->rowCount(), 7);

    SetCell(table, 0, 0, "Damper");
    SetCell(table, 2, 1, "-4");
    g.Gui().Click(ScreenId::Torsional, "cmd_Calc");
    QCOMPARE(g.p.messages.size(), std::size_t(1));
    QCOMPARE(g.p.messages[0].text, std::string("Row 3 (\"Throw 3\"): the inertia must be a number above 0, not \"-4\"."));
    QVERIFY(!g.app->Design().Shaft);
    // The refused cells stay to be put right, the bad one current.
    QCOMPARE(table->item(0, 0)->text(), QString("Damper"));
    QCOMPARE(table->currentRow(), 2);
    SetCell(table, 0, 0, "Throw 1");

    g.p.messages.clear();
    g.app->Values().DesignSaved = true;
    SetCell(table, 2, 1, "0.5");
    g.Gui().Click(ScreenId::Torsional, "cmd_Calc");
    QVERIFY(g.p.messages.empty());
    QVERIFY(g.app->Design().Shaft && (*g.app->Design().Shaft)[2].inertia == 0.5);
    QVERIFY(!g.app->Values().DesignSaved);
    QVERIFY(screen->Result().entered);

    g.Gui().Click(ScreenId::Torsional, "cmd_Defaults");
    QVERIFY(!g.app->Design().Shaft);
    QCOMPARE(table->item(2, 1)->text(), table->item(1, 1)->text());  // the throws' default inertia again
    QVERIFY(!screen->Result().entered);
    for (int picture = 0; picture < 3; ++picture) {
      g.Gui().Pick(ScreenId::Torsional, "cmb_Picture", picture);
      emit g.Gui().Find<QComboBox>(ScreenId::Torsional, "cmb_Picture")->activated(picture);
      QVERIFY(!screen->View()->Model().windows.empty());
    }
    QVERIFY(g.p.messages.empty());
  }
};

QTEST_MAIN(TorsionalGuiTest)
#include "torsional_gui_test.moc"
