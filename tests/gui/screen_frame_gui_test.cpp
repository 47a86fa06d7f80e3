// What the form screens share: the Help menu whose one page (F1) opens the
// screen's own topic, and the chart views' picture and data actions.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <fstream>
#include <sstream>

#include "app/cli/cli.h"
#include "core/presets.h"
#include "tests/support/gui_app.h"
#include "ui/frm_flywheel.h"
#include "ui/frm_help.h"
#include "ui/qt_platform.h"

using namespace zorvan;

class ScreenFrameGuiTest : public QObject {
  Q_OBJECT

  static std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

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
    // The power chart's numbers are zorvan-cli plot --power --csv's, byte for byte.
    g.app->Show(ScreenId::PowerChart, Modality::Modeless);
    auto* text = static_cast<ui::ChartView*>(g.Gui().Find(ScreenId::PowerChart, "Picture1"));
    const std::string dir = g.tmp.path().toStdString(), csv = dir + "/power.csv";
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"plot", "--power", "--preset", "5", "-o", dir + "/cli.png", "--csv", dir + "/cli.csv"}, out, err), 0);
    g.p.paths = {csv};
    text->Actions()[3]->trigger();  // Save Data...
    QCOMPARE(FileBytes(csv), FileBytes(dir + "/cli.csv"));
    const std::string png = dir + "/power.png";
    g.p.paths = {png, std::nullopt};
    text->Actions()[0]->trigger();
    std::ifstream in(png, std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    QCOMPARE(head, std::string("\x89PNG"));
    torque->Actions()[3]->trigger();  // Save Data..., cancelled: nothing said
    QVERIFY(g.p.paths.empty());
    QVERIFY(g.p.messages.empty());
    // A file that cannot be written (its folder is a plain file, for root too) is told with its path and why.
    std::ofstream(dir + "/plain") << "x";
    for (int action : {0, 3}) {
      const std::string path = dir + "/plain/power" + (action == 0 ? ".png" : ".csv");
      g.p.paths = {path};
      text->Actions()[action]->trigger();
      QCOMPARE(g.p.messages.size(), std::size_t(1));
      QCOMPARE(g.p.messages[0].text, std::string(action == 0 ? "The picture" : "The data file") +
                                         " could not be written to\r\n" + path + "\r\n\r\nPath not found.");
      QCOMPARE(g.p.messages[0].icon, Icon::Warning);
      g.p.messages.clear();
    }
  }
};

QTEST_MAIN(ScreenFrameGuiTest)
#include "screen_frame_gui_test.moc"
