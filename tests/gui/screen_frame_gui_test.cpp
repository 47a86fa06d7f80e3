// What the form screens share: the Help menu whose one page (F1) opens the
// screen's own topic, and the chart views' picture and data actions.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <fstream>

#include "core/presets.h"
#include "tests/support/gui_app.h"
#include "ui/frm_flywheel.h"
#include "ui/frm_help.h"
#include "ui/qt_platform.h"

using namespace zorvan;

class ScreenFrameGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void everyHelpMenuOpensItsScreensTopic() {
    test::GuiApp g;
    const struct {
      ScreenId id;
      const char* page;
      HelpTopic topic;
    } screens[] = {
        {ScreenId::Input, "Help", HelpTopic::InputData},
        {ScreenId::Balance, "Balancing", HelpTopic::Balancing},
        {ScreenId::Plot, "Help", HelpTopic::Plotting},
        {ScreenId::PlotSelect2, "Help", HelpTopic::Plotting},
        {ScreenId::PlotSelect4, "Help", HelpTopic::PolarPlots},
        {ScreenId::Print, "Help", HelpTopic::Printing},
        {ScreenId::PrintData, "Printing", HelpTopic::Printing},
        {ScreenId::MyPlot3, "Plotting", HelpTopic::Plotting},
        {ScreenId::MyPlot4, "Polar Plots", HelpTopic::PolarPlots},
        {ScreenId::Flywheel, "Flywheel", HelpTopic::FlywheelSizing},
        {ScreenId::PowerChart, "Power Charts", HelpTopic::PowerChart},
        {ScreenId::Phasors, "Phasor Diagrams", HelpTopic::Phasors},
        {ScreenId::Orders, "Orders", HelpTopic::Orders},
        {ScreenId::DesignStudy, "Design Study", HelpTopic::DesignStudy},
    };
    auto* help = g.app->Screen<ui::FrmHelp>(ScreenId::Help);
    for (const auto& s : screens) {
      auto* menu = g.Gui().Find<QMenu>(s.id, "mnu_HelpMenu");
      QCOMPARE(menu->title(), QString("&Help"));
      QCOMPARE(menu->actions().size(), 1);
      QAction* page = menu->actions()[0];
      QCOMPARE(page->objectName(), QString("mnu_Help"));
      QCOMPARE(page->text(), QString(s.page));
      QCOMPARE(page->shortcut(), QKeySequence(QKeySequence::HelpContents));
      help->ShowTopic(HelpTopic::GeneralInfo);
      page->trigger();
      QCOMPARE(help->Viewer()->source(), QUrl("qrc" + ui::HelpDocument(s.topic)));
      help->close();
    }
    QVERIFY(g.p.messages.empty());
  }

  void chartViewsAnswerTheirActions() {
    test::GuiApp g;
    g.app->LoadExample(5);
    g.app->Show(ScreenId::Flywheel, Modality::Modeless);
    ui::ChartView* torque = g.app->Screen<ui::FrmFlywheel>(ScreenId::Flywheel)->View(1);
    torque->Actions()[2]->trigger();  // Copy Data
    QCOMPARE(QGuiApplication::clipboard()->text(), ui::QtText(PlotCsv(torque->Model())));
    // The power chart's pictures have no numbers: Save Image and Copy Image only.
    g.app->Show(ScreenId::PowerChart, Modality::Modeless);
    auto* text = static_cast<ui::ChartView*>(g.Gui().Find(ScreenId::PowerChart, "Picture1"));
    QCOMPARE(text->Actions().size(), 2);
    const std::string png = g.tmp.path().toStdString() + "/power.png";
    g.p.paths = {png, std::nullopt};
    text->Actions()[0]->trigger();
    std::ifstream in(png, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    QCOMPARE(head, std::string("\x89PNG"));
    torque->Actions()[3]->trigger();  // Save Data..., cancelled: nothing said
    QVERIFY(g.p.paths.empty());
    QVERIFY(g.p.messages.empty());
  }
};

QTEST_MAIN(ScreenFrameGuiTest)
#include "screen_frame_gui_test.moc"
