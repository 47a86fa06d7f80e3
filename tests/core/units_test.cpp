#include "core/units.h"

#include <gtest/gtest.h>

#include "core/runtime_error.h"

namespace zorvan {
namespace {

TEST(Units, LabelsOfEachSystem) {
  EngineDesignRecord d;
  d.UnitSystem = 1;
  SetUnitLabels(d);
  EXPECT_EQ(d.UnitLabel[0], "");  // slot 0 of the template is not copied
  EXPECT_EQ(d.UnitLabel[1], "in");
  EXPECT_EQ(d.UnitLabel[2], "in/Sec");
  EXPECT_EQ(d.UnitLabel[3], "in/Sec^2");
  EXPECT_EQ(d.UnitLabel[4], "lb");
  for (int k : {5, 8, 16, 19}) EXPECT_EQ(d.UnitLabel[k], "lb-in") << k;
  for (int k : {9, 15}) EXPECT_EQ(d.UnitLabel[k], "lb") << k;
  EXPECT_EQ(d.UnitLabel[20], "bl");
  EXPECT_EQ(d.UnitLabel[21], "in^3");
  EXPECT_EQ(d.UnitLabel[22], "psi");
  EXPECT_EQ(d.PressureFactor, 1.0f);

  d.UnitSystem = 2;
  SetUnitLabels(d);
  EXPECT_EQ(d.UnitLabel[7], "lb-ft");
  EXPECT_EQ(d.UnitLabel[20], "sl");
  EXPECT_EQ(d.UnitLabel[22], "psf");
  EXPECT_EQ(d.PressureFactor, 144.0f);

  // cm and mm systems show their length unit in slot 1 only; speeds stay in metres.
  d.UnitSystem = 5;
  SetUnitLabels(d);
  EXPECT_EQ(d.UnitLabel[1], "mm");
  EXPECT_EQ(d.UnitLabel[2], "m/Sec");
  EXPECT_EQ(d.UnitLabel[17], "N-m");
  EXPECT_EQ(d.UnitLabel[21], "cc");
  EXPECT_EQ(d.UnitLabel[22], "MPa");
  EXPECT_EQ(d.PressureFactor, 6894.757f);
}

TEST(Units, DigitCountsAndNames) {
  EngineDesignRecord d;
  const int16_t expected[5][3] = {{6, 3, 1}, {6, 3, 1}, {6, 4, 5}, {6, 2, 5}, {6, 1, 5}};
  for (int16_t s = 1; s <= 5; ++s) {
    d.UnitSystem = s;
    SetDigitCounts(d);
    EXPECT_EQ(d.ConversionDigits, expected[s - 1][0]);
    EXPECT_EQ(d.LengthDigits, expected[s - 1][1]);
    EXPECT_EQ(d.PressureDigits, expected[s - 1][2]);
  }
  EXPECT_EQ(UnitSystemName(1), "in-lb-s");
  EXPECT_EQ(UnitSystemName(4), "cm-kg-N-s");
  for (int16_t bad : {0, 6}) {
    d.UnitSystem = bad;
    EXPECT_THROW(SetUnitLabels(d), RunTimeError);
    EXPECT_THROW(SetDigitCounts(d), RunTimeError);
    EXPECT_THROW(UnitSystemName(bad), RunTimeError);
  }
}

EngineDesignRecord InchDesign() {
  EngineDesignRecord d;
  d.Bore = 3;
  d.Stroke = 3.5367765f;
  d.CrankRadius = 1.7683883f;
  d.ConrodLength = 6.189359f;
  d.MainJournalDiameter = 2;
  d.CrankpinJournalDiameter = 1.5f;
  d.WristpinOffset = 0.1f;
  d.CylinderSpacing = 4;
  d.CounterweightRadius = 1.7683883f;
  d.CylinderDisplacement = 25;
  d.TotalDisplacement = 100;
  d.PistonMass = 0.005f;
  d.ConrodMass = 0.02f;
  d.CrankMass = 0.03f;
  d.CounterweightMass = 0.0284f;
  d.PeakPressureEngine = 600;
  d.PeakPressurePump = 131;
  return d;
}

TEST(Units, InchesToMetricAndBack) {
  EngineDesignRecord d = InchDesign();
  ConvertDesign(d, 1, 3);
  EXPECT_FLOAT_EQ(d.Bore, 0.0762f);
  EXPECT_FLOAT_EQ(d.CylinderSpacing, 0.1016f);
  EXPECT_FLOAT_EQ(d.CylinderDisplacement, 0.00040968f);  // 25 x 0.0000163872, not cut to 0.00041
  EXPECT_FLOAT_EQ(d.TotalDisplacement, 0.00163872f);
  EXPECT_FLOAT_EQ(d.PistonMass, 0.8752834f);  // 0.005 x 386/2.205
  EXPECT_FLOAT_EQ(d.CounterweightMass, 4.97161f);
  EXPECT_FLOAT_EQ(d.PeakPressureEngine, 4136854);
  EXPECT_FLOAT_EQ(d.PeakPressurePump, 903213);

  ConvertDesign(d, 3, 1);
  EngineDesignRecord original = InchDesign();
  EXPECT_FLOAT_EQ(d.Bore, original.Bore);
  EXPECT_FLOAT_EQ(d.WristpinOffset, original.WristpinOffset);
  EXPECT_FLOAT_EQ(d.CylinderDisplacement, original.CylinderDisplacement);
  EXPECT_NEAR(d.PistonMass, original.PistonMass, 1e-8);
  EXPECT_NEAR(d.ConrodMass, original.ConrodMass, 1e-8);
  EXPECT_FLOAT_EQ(d.PeakPressureEngine, original.PeakPressureEngine);
}

TEST(Units, FeetAndInches) {
  EngineDesignRecord d = InchDesign();
  ConvertDesign(d, 1, 2);
  EXPECT_FLOAT_EQ(d.Bore, 0.25f);
  EXPECT_FLOAT_EQ(d.CylinderDisplacement, 25.0f / 1728);
  EXPECT_FLOAT_EQ(d.PistonMass, 0.06f);  // 1 bl = 12 sl
  EXPECT_FLOAT_EQ(d.PeakPressureEngine, 86400);  // psf
  ConvertDesign(d, 2, 5);  // feet straight to the metric base units
  EXPECT_FLOAT_EQ(d.Bore, 0.0762f);
  EXPECT_FLOAT_EQ(d.PistonMass, 0.8752834f);
}

TEST(Units, MetricSystemsShareBaseUnits) {
  EngineDesignRecord d = InchDesign();
  ConvertDesign(d, 1, 4);
  EngineDesignRecord before = d;
  ConvertDesign(d, 4, 5);
  ConvertDesign(d, 5, 3);
  EXPECT_EQ(d.Bore, before.Bore);
  EXPECT_EQ(d.CylinderDisplacement, before.CylinderDisplacement);
  EXPECT_EQ(d.PistonMass, before.PistonMass);
}

TEST(Units, SmallMetricValuesKeepTheirDigits) {
  EngineDesignRecord d;
  d.CylinderDisplacement = 0.00005f;  // a 50 cc cylinder
  d.PistonMass = 0.02f;               // 20 g
  ConvertDesign(d, 3, 1);
  EXPECT_NEAR(d.CylinderDisplacement, 3.05116, 1e-5);
  EXPECT_NEAR(d.PistonMass, 0.000114249, 1e-9);
}

TEST(Units, FailedConversionLeavesTheDesignAlone) {
  EngineDesignRecord d = InchDesign();
  d.CrankMass = 3e37f;  // overflows as kilograms
  EXPECT_THROW(ConvertDesign(d, 1, 3), RunTimeError);
  EXPECT_EQ(d.Bore, 3.0f);
  EXPECT_EQ(d.PistonMass, 0.005f);
  EXPECT_THROW(ConvertDesign(d, 1, 7), RunTimeError);
}

// A run of switches converts from where it began: back in the first system
// every value is exactly as it was; an edit in between starts a new run.
TEST(Units, SwitchingThereAndBackKeepsEveryValue) {
  EngineDesignRecord d = InchDesign();
  d.CylinderDisplacement = 25;
  d.MainJournalDiameter = 2.37f;
  const EngineDesignRecord before = d;
  UnitMemory memory;
  int16_t system = 1;
  for (int16_t next : {2, 3, 4, 5, 2, 1}) {
    memory.Convert(d, system, next);
    system = next;
  }
  EXPECT_EQ(d.CylinderDisplacement, before.CylinderDisplacement);
  EXPECT_EQ(d.MainJournalDiameter, before.MainJournalDiameter);
  EXPECT_EQ(d.PistonMass, before.PistonMass);
  memory.Convert(d, 1, 2);
  d.Bore = 0.5f;  // an edit in feet
  memory.Convert(d, 2, 1);
  EXPECT_EQ(d.Bore, 6.0f);
}

}  // namespace
}  // namespace zorvan
