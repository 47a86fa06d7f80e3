// The engine summary report and the flywheel summary block in every unit system.
#include <gtest/gtest.h>

#include "core/startup.h"
#include "core/design.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/units.h"
#include "platform/messages.h"
#include "tests/support/text_lines.h"
#include "shell/summary_report.h"

namespace zorvan {
namespace {

using testing::Cr;

struct Design {
  MessageList told;
  EngineDesignRecord d;
  ProgramValues v;
  explicit Design(int preset) {
    Initialize(d, told);
    EXPECT_TRUE(LoadExample(d, preset, told));
  }
  // Metric values held in metres, kilograms and cubic metres.
  void Metric(int16_t system) {
    d.UnitSystem = system;
    SetUnitLabels(d);
    d.Bore = 0.08f;
    d.Stroke = 0.1f;
    d.PistonArea = 0.0050265482f;
    d.CylinderDisplacement = 0.00050265482f;
    d.TotalDisplacement = 4 * d.CylinderDisplacement;
  }
  std::string Line(const std::string& text, const std::string& start) const {
    std::size_t at = text.find("\r" + start);
    if (at == std::string::npos) return "<missing " + start + ">";
    return text.substr(at + 1, text.find('\r', at + 1) - at - 1);
  }
};

TEST(SummaryReport, InlineFourInInches) {
  Design e(2);
  EXPECT_EQ(EngineSummaryReport(e.d, e.v),
            Cr({"Units chosen are:  length = in, force = lb, mass = bl", "",
                "Idle RPM      =  800     Redline RPM   =  6000", "",
                "Engine is  4 stroke cycle,  4 cylinder  Inline ", "",
                "Total displacement  = 100.  in^3 for  4 cylinders", "Each cylinder has 25.0  in^3 displacement", "",
                "Bore = 3.00 in                                       Stroke = 3.54 in",
                "Bore/Stroke Ratio = 0.848                    L/R Ratio = 3.50", "",
                "Piston area is 7.07 sq. in                       ", "", "Piston mass     =  .005  bl",
                "Crank  mass    =  .03  bl at  50 %  dist from mainpin to crankpin",
                "Conrod mass   =  .02  bl at  33 %  dist from crankpin to wristpin", "",
                "Bearing friction coefficient =  .02     ",
                "Main bearing journal dia. =  2        Crankpin journal dia. =  1.5", "",
                "Crankpin phase angles :   0  180  180  0 ", "Cylinder firing order :         1  3  4  2 ",
                "Crankshaft Firing angles (in firing order):  0 180 360 540"}));
}

TEST(SummaryReport, BeforeAssemblyItEndsAfterTheJournals) {
  Design e(2);
  e.d.EngineResultsValid = false;
  std::string text = EngineSummaryReport(e.d, e.v);
  const std::string end = "Crankpin journal dia. =  1.5\r\r\r";
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
  EXPECT_EQ(text.find("phase angles"), std::string::npos);
}

TEST(SummaryReport, VeeAndSingleShowTheirVeeAngle) {
  Design vee(5);
  EXPECT_EQ(vee.Line(EngineSummaryReport(vee.d, vee.v), "Piston area"),
            "Piston area is 7.07 sq. in                       Vee Angle =  90");
  // Firing angles listed in firing order 1 5 4 3 7 2 6 8.
  EXPECT_EQ(vee.Line(EngineSummaryReport(vee.d, vee.v), "Crankshaft"),
            "Crankshaft Firing angles (in firing order):  0 90 180 270 360 450 540 630");
  Design single(2);
  single.d.Arrangement = 0;
  single.d.VeeAngle = 0;
  EXPECT_EQ(single.Line(EngineSummaryReport(single.d, single.v), "Piston area"),
            "Piston area is 7.07 sq. in                       Vee Angle =  0");
}

TEST(SummaryReport, MetricSystemsScaleLengthsAreasAndVolumes) {
  struct Case {
    int16_t system;
    std::string bore, area, total, each;
  };
  const Case cases[] = {
      {3, "Bore = 0.0800 m                                       Stroke = 0.1000 m", "Piston area is 0.005 027 sq. m",
       "Total displacement  = 2,011.  cc for  4 cylinders", "Each cylinder has 502.7  cc displacement"},
      {4, "Bore = 8.0 cm                                       Stroke = 10.0 cm", "Piston area is 50.27 sq. cm",
       "Total displacement  = 2,011.  cc for  4 cylinders", "Each cylinder has 502.7  cc displacement"},
      {5, "Bore = 80.0 mm                                       Stroke = 100.0 mm", "Piston area is 5,027. sq. mm",
       "Total displacement  = 2,011.  cc for  4 cylinders", "Each cylinder has 502.7  cc displacement"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.system);
    Design e(2);
    e.Metric(c.system);
    std::string text = EngineSummaryReport(e.d, e.v);
    EXPECT_EQ(e.Line(text, "Bore ="), c.bore);
    EXPECT_EQ(e.Line(text, "Piston area"), c.area + std::string(23, ' '));
    EXPECT_EQ(e.Line(text, "Total"), c.total);
    EXPECT_EQ(e.Line(text, "Each"), c.each);
    EXPECT_EQ(text.substr(0, text.find('\r')), "Units chosen are:  length = " + e.d.UnitLabel[1] + ", force = N, mass = kg");
  }
  Design feet(2);
  feet.d.UnitSystem = 2;
  SetUnitLabels(feet.d);
  feet.d.Bore = 0.25f;
  EXPECT_EQ(feet.Line(EngineSummaryReport(feet.d, feet.v), "Bore ="),
            "Bore = 0.25 ft                                       Stroke = 3.54 ft");
}

TEST(FlywheelBlock, InlineFourAndTheMetricLengths) {
  Design e(2);
  EXPECT_EQ(FlywheelSummaryBlock(e.d),
            Cr({" Engine is  4 stroke cycle,  4 cylinder  Inline        Crank Speed = 3,400.  rpm        "
                "Bore/Stroke Ratio = 0.848              L/R Ratio = 3.50        ",
                " Total displacement  = 100.   in^3  for   4 cylinders      Bore = 3.00 in        Stroke = 3.54 in"
                "      1  Conrods per crank",
                " Phase angles :         0   180   180   0  ", " Cylinder firing order :         1   3   4   2  ",
                " Firing angles (in firing order):  0   180   360   540  "}));
  const std::pair<int16_t, std::string> metric[] = {
      {3, "Bore = 0.08 m        Stroke = 0.10 m"},
      {4, "Bore = 8.0 cm        Stroke = 10.0 cm"},
      {5, "Bore = 80.0 mm        Stroke = 100.0 mm"}};
  for (const auto& [system, lengths] : metric) {
    Design m(5);
    m.Metric(system);
    m.d.EngineResultsValid = false;
    std::string block = FlywheelSummaryBlock(m.d);
    EXPECT_NE(block.find(" Total displacement  = 2,011.   cc  for   8 cylinders      " + lengths + "      2  Conrods"),
              std::string::npos)
        << block;
    EXPECT_NE(block.find("L/R Ratio = 3.50        Vee Angle =  90\r"), std::string::npos);
    EXPECT_EQ(block.back(), '\r');
    EXPECT_EQ(block.find("Phase angles"), std::string::npos);
  }
}

}  // namespace
}  // namespace zorvan
