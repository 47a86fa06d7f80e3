#include "core/units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/result_catalogue.h"
#include "core/runtime_error.h"
#include "tests/support/engine_fixture.h"

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

// Every quantity held in the system's units, each with its own value, goes
// forward by the factor of its kind: 1 in = 0.0254 m = 1/12 ft, 1 in^3 =
// 0.0000163872 m^3 = 1/1728 ft^3, 1 psi = 6894.757 Pa = 144 psf, 1 bl =
// 386/2.205 kg = 12 sl. Ratios, fractions and angles stay as they are.
TEST(Units, EveryHeldQuantityTakesTheFactorOfItsKind) {
  using R = EngineDesignRecord;
  enum Kind { Length, Volume, Pressure, Mass };
  const std::pair<float R::*, Kind> held[] = {
      {&R::Bore, Length}, {&R::Stroke, Length}, {&R::CrankRadius, Length}, {&R::MainJournalDiameter, Length},
      {&R::CrankpinJournalDiameter, Length}, {&R::WristpinOffset, Length}, {&R::ConrodLength, Length},
      {&R::CylinderSpacing, Length}, {&R::CounterweightRadius, Length}, {&R::CylinderDisplacement, Volume},
      {&R::TotalDisplacement, Volume}, {&R::PeakPressureEngine, Pressure}, {&R::PeakPressurePump, Pressure},
      {&R::PistonMass, Mass}, {&R::ConrodMass, Mass}, {&R::CrankMass, Mass}, {&R::CounterweightMass, Mass}};
  const float R::*kept[] = {&R::LRRatio, &R::CrankCGFraction, &R::ConrodCGFraction, &R::FrictionCoefficient,
                            &R::GasPressureScale, &R::VeeAngle, &R::CounterweightAngle, &R::DrawingScale};
  const double metric[] = {0.0254, 0.0000163872, 6894.757, 386 / 2.205}, feet[] = {1.0 / 12, 1.0 / 1728, 144, 12};
  for (int16_t to : {2, 3}) {
    EngineDesignRecord d;
    float v = 1;
    for (const auto& [field, kind] : held) d.*field = v += 0.37f;
    for (const float R::*field : kept) d.*const_cast<float R::*>(field) = v += 0.37f;
    const EngineDesignRecord before = d;
    ConvertDesign(d, 1, to);
    int i = 0;
    for (const auto& [field, kind] : held) {
      const double expected = before.*field * (to == 3 ? metric : feet)[kind];
      EXPECT_NEAR(d.*field, expected, 1e-6 * expected) << "field " << i++ << " to system " << to;
    }
    for (const float R::*field : kept) EXPECT_EQ(d.*field, before.*field);
  }
}

// A design and its converted copy are the same machine: the peak of every
// plotted result of the V8 (plot functions 1..18, both components) agrees in
// inches and pounds and in metres and newtons (1 lb = 4.448 N, with which the
// factors above agree to 0.04 %).
TEST(Units, TheV8IsTheSameMachineInInchesAndInMetres) {
  auto inches = testing::Example(5), metres = testing::Example(5);
  ConvertDesign(*metres, 1, 3);
  metres->UnitSystem = 3;
  SetUnitLabels(*metres);
  SetDigitCounts(*metres);
  ASSERT_TRUE(testing::Recalculate(*inches).Empty());
  ASSERT_TRUE(testing::Recalculate(*metres).Empty());
  for (int f = 1; f <= 18; ++f) {
    const ResultEntry& e = PlotFunction(f);
    const bool force = f == 4 || (f >= 9 && f <= 15), length = f <= 3;
    const double factor = length ? 0.0254 : force ? 4.448 : 4.448 * 0.0254;
    for (int part : {0, 1}) {
      double in = 0, si = 0;
      for (int row = 0; row <= kLastRow; ++row) {
        const ResultXY a = ResultAt(inches->table, e, row), b = ResultAt(metres->table, e, row);
        in = std::max(in, std::fabs(part ? a.y : a.x) * factor);
        si = std::max(si, double(std::fabs(part ? b.y : b.x)));
      }
      EXPECT_NEAR(si, in, 1e-3 * in) << e.shortName << " part " << part;
    }
  }
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
