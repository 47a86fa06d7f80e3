#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/flywheel.h"
#include "core/units.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

constexpr double kStep = 0.05235987756666667;

// A torque that jumps between +level and -level every `block` rows from row 1
// on; row 0 only seeds the extremes. Its average is 0.
std::unique_ptr<EngineDesignRecord> SquareTorque(int block, float level) {
  auto d = StartUp();
  for (int row = 0; row <= kLastRow; ++row)
    d->table.TotalTorque[row] = row == 0 ? -level : ((row - 1) / block % 2 == 0 ? level : -level);
  return d;
}

FlywheelResult Calculated(EngineDesignRecord& d) {
  FlywheelResult r;
  MessageList told;
  EXPECT_TRUE(FlywheelCalculation(d, told, r));
  EXPECT_TRUE(told.Empty()) << told.All().front().text;
  return r;
}

TEST(Flywheel, CoefficientScalesTheSwingAboutTheAverage) {
  auto d = Example(2);
  d->CoefFluct = 1;
  const FlywheelResult one = Calculated(*d);
  EXPECT_EQ(d->table.SmoothedTorque, d->table.TotalTorque);
  EXPECT_EQ(d->TorqueMinFlywheel, d->TorqueMinNoFlywheel);
  d->CoefFluct = 0.05f;
  const FlywheelResult twentieth = Calculated(*d);
  const double swing = d->TorqueMaxNoFlywheel - d->TorqueMinNoFlywheel;
  EXPECT_NEAR(d->TorqueMaxFlywheel - d->TorqueMinFlywheel, swing / 20, 1e-5 * swing);
  EXPECT_NEAR(d->TorqueMaxFlywheel - twentieth.averageTorque, (d->TorqueMaxNoFlywheel - one.averageTorque) / 20,
              1e-5 * swing);
  EXPECT_TRUE(d->FlywheelResultsValid);
  // The flywheel that holds the speed within the coefficient.
  EXPECT_DOUBLE_EQ(twentieth.energySwing, one.energySwing);
  EXPECT_NEAR(twentieth.flywheelInertia, one.flywheelInertia * 20, 1e-7 * twentieth.flywheelInertia);
  EXPECT_NEAR(one.flywheelInertia, one.energySwing / (static_cast<double>(d->Omega) * d->Omega), 1e-12);
}

TEST(Flywheel, EnergyTableOfFourPulsesEachWay) {
  auto d = SquareTorque(30, 10);
  const FlywheelResult r = Calculated(*d);
  EXPECT_EQ(r.pulseCount, 9);  // p = 5, n = 4
  EXPECT_EQ(r.firstSign, 1);
  const std::vector<std::string> expected = {" Areas of Camshaft Torque",
                                             " Pulses in Order over 1 cycle ",
                                             "",
                                             "    in Energy Units of :",
                                             "     in - lb - Radians",
                                             "",
                                             " Order   Pos Area   Neg Area",
                                             "----------------------------------------------",
                                             " 1    15.2   -15.2",
                                             " 2    15.2   -15.2",
                                             " 3    15.2   -15.2",
                                             " 4    15.2   -15.2",
                                             " 5    0    0",
                                             "",
                                             "    Average Torque:",
                                             "    0  lb-in"};
  EXPECT_EQ(EnergyTable(*d, r), expected);
  EXPECT_NEAR(d->PositiveAreas[1], 29 * 10 * kStep, 1e-4);  // the jumps themselves add nothing
  EXPECT_NEAR(r.energySwing, 29 * 10 * kStep, 1e-4);

  auto negative = SquareTorque(30, -10);
  const FlywheelResult n = Calculated(*negative);
  EXPECT_EQ(n.firstSign, -1);
  EXPECT_EQ(EnergyTable(*negative, n)[6], " Order   Neg Area   Pos Area");
  EXPECT_EQ(EnergyTable(*negative, n)[8], " 1   -15.2    15.2");
  negative->UnitSystem = 5;  // metres whatever the display length
  SetUnitLabels(*negative);
  EXPECT_EQ(EnergyTable(*negative, Calculated(*negative))[4], "     m - N - Radians");
}

TEST(Flywheel, TwentyPulsesOfASignFitAndMoreAreReported) {
  auto fits = SquareTorque(6, 10);  // 20 positive, 20 negative
  const FlywheelResult r = Calculated(*fits);
  EXPECT_EQ(EnergyTable(*fits, r).size(), 8u + 20 + 3);

  auto tooMany = SquareTorque(5, 10);  // 24 of each
  tooMany->NegativeAreas.fill(-1);
  FlywheelResult kept;
  kept.pulseCount = 77;
  MessageList told;
  EXPECT_FALSE(FlywheelCalculation(*tooMany, told, kept));
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text, "Error 9   (Subscript out of range)  has occurred in Flywheel\r\n\r\n");
  EXPECT_FALSE(tooMany->FlywheelResultsValid);
  EXPECT_EQ(kept.pulseCount, 77);
  EXPECT_EQ(tooMany->NegativeAreas[0], -1);  // index 0 is no pulse's
}

TEST(Flywheel, NoSpeedOrAnUnusableCoefficientGivesAReportNotAFlywheel) {
  auto d = Example(2);
  d->Omega = 0;
  FlywheelResult r;
  MessageList told;
  EXPECT_FALSE(FlywheelCalculation(*d, told, r));
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text, "Error 11   (Division by zero)  has occurred in Flywheel\r\n\r\n");
  // A coefficient of 0 or less, or above 1, would give no, a negative or a meaningless flywheel.
  for (float coef : {0.0f, -1.0f, 1.5f, std::nanf("")}) {
    auto e = Example(2);
    e->CoefFluct = coef;
    MessageList told2;
    EXPECT_FALSE(FlywheelCalculation(*e, told2, r)) << coef;
    ASSERT_EQ(told2.Size(), 1u);
    EXPECT_EQ(told2.All()[0].text,
              "Error 5   (CoefFluct must be above 0 and at most 1)  has occurred in Flywheel\r\n\r\n");
    EXPECT_FALSE(e->FlywheelResultsValid);
  }
}

}  // namespace
}  // namespace zorvan::testing
