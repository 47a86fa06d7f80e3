// The design study screen: its designs are the sweep's to the last bit, its
// grid is the sweep's, failed designs are gaps, and the design is the same
// afterwards.
#include <QComboBox>
#include <cmath>
#include <sstream>

#include "app/cli/cli.h"
#include "core/number_text.h"
#include "files/model_file.h"
#include "tests/support/gui_app.h"
#include "ui/frm_design_study.h"

using namespace zorvan;

class DesignStudyGuiTest : public QObject {
  Q_OBJECT

  static constexpr ScreenId S = ScreenId::DesignStudy;
  std::unique_ptr<test::GuiApp> g;
  ui::FrmDesignStudy* Screen() { return g->app->Screen<ui::FrmDesignStudy>(S); }

  void Open(int example, int units = 1) {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->Reset() && g->app->LoadExample(example));
    if (units != 1) {
      g->app->GetShell().PickUnits(units);
      QVERIFY(g->app->LoadExample(example));
    }
    g->app->GetShell().ShowChart(kChartStudy);
  }
  // Chooses by the field's or figure's own name; the lists show their labels.
  void Choose(const char* list, const char* name) {
    auto* box = g->Gui().Find<QComboBox>(S, list);
    box->setCurrentIndex(box->findData(name));
    QVERIFY(box->currentIndex() >= 0);
    emit box->activated(box->currentIndex());
  }
  void Study(const char* field, const char* from, const char* to, const char* step) {
    Choose("cmb_Field", field);
    g->Gui().Type(S, "txt_From", from);
    g->Gui().Type(S, "txt_To", to);
    g->Gui().Type(S, "txt_Step", step);
    g->Gui().Click(S, "cmd_Calc");
  }

 private slots:
  void figuresAreTheSweepsToTheLastBit() {
    Open(5);
    const std::string before = ModelFileText(g->app->Design(), g->app->Values());
    Choose("cmb_Figure1", "FlywheelInertia");
    Choose("cmb_Figure2", "PeakMainBearingLoad");
    Study("RedlineRPM", "3000", "8000", "500");
    QVERIFY(g->p.messages.empty());
    std::ostringstream out, err;
    QCOMPARE(cli::Run({"sweep", "--vary", "RedlineRPM=3000:8000:500", "--figures",
                       "FlywheelInertia,PeakMainBearingLoad", "--preset", "5", "--jobs", "1"},
                      out, err),
             0);
    std::istringstream rows(out.str());
    std::string line;
    std::getline(rows, line);  // the header
    const auto& points = Screen()->Points();
    QCOMPARE(points.size(), std::size_t(11));
    for (std::size_t k = 0; std::getline(rows, line); ++k) {
      const auto& p = points.at(k);
      const std::string mine = DigitsText(p.value) + "," + DigitsText(p.figures.at(0)) + "," +
                               DigitsText(p.figures.at(1)) + ",";
      QCOMPARE(mine, line);
    }
    QCOMPARE(ModelFileText(g->app->Design(), g->app->Values()), before);
    // The lists and the data name the input and the figures as the screens do.
    QCOMPARE(g->Gui().Find<QComboBox>(S, "cmb_Field")->currentText(), QString("Redline RPM"));
    const std::string csv = StudyCsv(g->app->Design(), {"RedlineRPM", {}, {15, 10}}, points);
    QVERIFY(csv.starts_with("\"Redline RPM\",\"Flywheel inertia (bl-in^2)\",\"Peak main-bearing load (lb)\",error\r\n"));
  }

  // The grid is the sweep's, typed in the screens' units: 2.4 to 3.6 cm in
  // steps of 0.12 is eleven bores, either way round, each a clean decimal.
  void theRangeKeepsItsEnds() {
    Open(2, 4);
    Choose("cmb_Figure1", "PeakTorque");
    QCOMPARE(g->Gui().Find<QComboBox>(S, "cmb_Field")->findText("Bore (cm)") >= 0, true);
    for (auto [from, to, step] : {std::tuple{"2.4", "3.6", "0.12"}, {"3.6", "2.4", "-0.12"}}) {
      Study("Bore", from, to, step);
      const auto& points = Screen()->Points();
      QCOMPARE(points.size(), std::size_t(11));
      QCOMPARE(points.back().value, std::stod(to));
      QCOMPARE(DigitsText(points[1].value), std::string(step[0] == '-' ? "3.48" : "2.52"));
      QCOMPARE(Screen()->View()->Model().crankAngle[1], static_cast<float>(points[1].value));
    }
  }

  // Designs that cannot be calculated are gaps, not the last good design's numbers.
  void failedDesignsAreGaps() {
    Open(5, 3);
    Choose("cmb_Figure1", "PeakTorque");
    Study("SpeedIndex", "2", "12", "1");
    QCOMPARE(Screen()->findChild<QLabel*>("lbl_Failures")->text(),
             QString("9 of 11 designs could not be calculated"));
    const PlotCurve& c = Screen()->View()->Model().windows.at(0).curves.at(0);
    QVERIFY(std::isfinite(c.y[1]) && !std::isfinite(c.y[2]) && !std::isfinite(c.y[10]));
    const std::string csv = StudyCsv(g->app->Design(), {"SpeedIndex", {}, {0}}, Screen()->Points());
    QVERIFY(csv.find("\r\n4,,\"Error 5   (SpeedIndex: Calculation Speed must be 1 to 3.)  has occurred in --vary "
                     "SpeedIndex\"\r\n") != std::string::npos);
  }

  void badRangesAreTold() {
    g = std::make_unique<test::GuiApp>();
    g->app->GetShell().ShowChart(kChartStudy);
    g->Gui().Type(S, "txt_Step", "0");
    g->Gui().Click(S, "cmd_Calc");
    QCOMPARE(g->p.messages.size(), std::size_t(1));
    QCOMPARE(g->p.messages[0].icon, Icon::Warning);
  }
};

QTEST_MAIN(DesignStudyGuiTest)
#include "design_study_gui_test.moc"
