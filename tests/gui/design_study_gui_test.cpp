// The design study screen: a study of the vee angle gives the sweep's
// figures, and the design is the same afterwards.
#include <QComboBox>
#include <sstream>

#include "app/cli/cli.h"
#include "core/design.h"
#include "core/presets.h"
#include "files/model_file.h"
#include "tests/support/gui_app.h"
#include "ui/frm_design_study.h"

using namespace zorvan;

class DesignStudyGuiTest : public QObject {
  Q_OBJECT

 private slots:
  void studyOfTheVeeAngleIsTheSweep() {
    test::GuiApp g;
    QVERIFY(g.Reset() && g.app->LoadExample(5));
    const std::string before = ModelFileText(g.app->Design(), g.app->Values());
    g.app->GetShell().ShowChart(kChartStudy);
    auto gui = g.Gui();
    auto* field = gui.Find<QComboBox>(ScreenId::DesignStudy, "cmb_Field");
    field->setCurrentText("VeeAngle");
    emit field->activated(field->currentIndex());
    gui.Type(ScreenId::DesignStudy, "txt_From", "60");
    gui.Type(ScreenId::DesignStudy, "txt_To", "120");
    gui.Type(ScreenId::DesignStudy, "txt_Step", "30");
    gui.Find<QComboBox>(ScreenId::DesignStudy, "cmb_Figure1")->setCurrentText("PeakTotalMoment");
    gui.Find<QComboBox>(ScreenId::DesignStudy, "cmb_Figure2")->setCurrentText("PeakMainBearingLoad");
    gui.Click(ScreenId::DesignStudy, "cmd_Calc");
    QVERIFY(g.p.messages.empty());

    std::ostringstream out, err;
    QCOMPARE(cli::Run({"sweep", "--vary", "VeeAngle=60:120:30", "--figures", "PeakTotalMoment,PeakMainBearingLoad",
                       "--preset", "5", "--jobs", "1"},
                      out, err),
             0);
    std::istringstream rows(out.str());
    std::string line;
    std::getline(rows, line);  // the header
    const PlotModel& m = g.app->Screen<ui::FrmDesignStudy>(ScreenId::DesignStudy)->View()->Model();
    QCOMPARE(m.windows.size(), std::size_t(2));
    for (std::size_t k = 0; std::getline(rows, line); ++k) {
      double vee, moment, bearing;
      QCOMPARE(std::sscanf(line.c_str(), "%lf,%lf,%lf", &vee, &moment, &bearing), 3);
      QCOMPARE(m.crankAngle[k], static_cast<float>(vee));
      QCOMPARE(m.windows[0].curves[0].y[k], static_cast<float>(moment));
      QCOMPARE(m.windows[1].curves[0].y[k], static_cast<float>(bearing));
    }
    QCOMPARE(ModelFileText(g.app->Design(), g.app->Values()), before);
  }

  // In the cm system the boxes and the plot show centimetres; the designs hold metres.
  void inputsAreInTheUnitsTheScreensShow() {
    test::GuiApp g;
    QVERIFY(g.Reset() && g.app->LoadExample(2));
    g.app->GetShell().PickUnits(4);
    QVERIFY(g.app->LoadExample(2));
    g.app->GetShell().ShowChart(kChartStudy);
    auto gui = g.Gui();
    auto* field = gui.Find<QComboBox>(ScreenId::DesignStudy, "cmb_Field");
    field->setCurrentText("Bore");
    emit field->activated(field->currentIndex());
    QCOMPARE(gui.Text(ScreenId::DesignStudy, "lbl_Unit"), QString("cm"));
    gui.Type(ScreenId::DesignStudy, "txt_From", "7");
    gui.Type(ScreenId::DesignStudy, "txt_To", "9");
    gui.Type(ScreenId::DesignStudy, "txt_Step", "1");
    gui.Click(ScreenId::DesignStudy, "cmd_Calc");
    auto* screen = g.app->Screen<ui::FrmDesignStudy>(ScreenId::DesignStudy);
    QCOMPARE(screen->Points().size(), std::size_t(3));
    QCOMPARE(static_cast<float>(screen->Points()[1].value), 0.08f);
    QCOMPARE(screen->View()->Model().crankAngle[1], 8.0f);
  }

  void badRangesAreTold() {
    test::GuiApp g;
    g.app->GetShell().ShowChart(kChartStudy);
    g.Gui().Type(ScreenId::DesignStudy, "txt_Step", "0");
    g.Gui().Click(ScreenId::DesignStudy, "cmd_Calc");
    QCOMPARE(g.p.messages.size(), std::size_t(1));
    QCOMPARE(g.p.messages[0].icon, Icon::Warning);
  }
};

QTEST_MAIN(DesignStudyGuiTest)
#include "design_study_gui_test.moc"
