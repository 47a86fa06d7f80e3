#include <gtest/gtest.h>

#include <cmath>

#include "core/forces.h"
#include "core/numeric.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

// The start-up cylinder after a fresh one-cylinder pass, with a counterweight.
std::unique_ptr<EngineDesignRecord> OneCylinder(float mass, float angle) {
  auto d = StartUp();
  MessageList told;
  EXPECT_TRUE(OneCylinderPass(*d, told));
  d->CounterweightMass = mass;
  d->CounterweightAngle = angle;
  return d;
}

float Slack(double v) { return static_cast<float>(std::fabs(v) * 1e-5 + kOneCylinderZero); }

TEST(CounterweightPass, ExactBalanceLeavesOnlyTheReciprocatingPrimaryForce) {
  auto d = OneCylinder(0, 180);
  d->CounterweightMass = d->MassAtCrankpin;
  MessageList told;
  ASSERT_TRUE(CounterweightPass(*d, told));
  EXPECT_TRUE(d->BalanceResultsValid);
  const double recip = static_cast<double>(d->MassAtWristpin) * d->CrankRadius * d->OmegaSquared;
  for (int row = 0; row <= kLastRow; ++row) {
    const double theta = 3.0 * row * kDegrees;
    for (int slot : {0, 1}) {
      EXPECT_NEAR(Force(*d, row, slot, kX, kPrimary), recip * std::cos(theta), Slack(recip)) << row;
      EXPECT_NEAR(Force(*d, row, slot, kY, kPrimary), 0, Slack(recip)) << row;
      EXPECT_EQ(Force(*d, row, slot, kY, kTotal), Force(*d, row, slot, kY, kPrimary));
    }
  }
}

TEST(CounterweightPass, AngleZeroDoublesTheRotatingPartAndMassZeroChangesNothing) {
  auto doubled = OneCylinder(0, 0);
  doubled->CounterweightMass = doubled->MassAtCrankpin;
  auto untouched = OneCylinder(0, 180);
  const CrankAngleTable before = untouched->table;
  MessageList told;
  // The other angle first: the angles' sines formed for it must not serve this one.
  ASSERT_TRUE(CounterweightPass(*untouched, told));
  ASSERT_TRUE(CounterweightPass(*doubled, told));
  const double rot = static_cast<double>(doubled->MassAtCrankpin) * doubled->CrankRadius * doubled->OmegaSquared;
  for (int row = 0; row <= kLastRow; ++row) {
    EXPECT_NEAR(Force(*doubled, row, 1, kY, kPrimary), 2 * rot * std::sin(3.0 * row * kDegrees), Slack(rot));
    EXPECT_EQ(untouched->table.ShakingForce[row], before.ShakingForce[row]);
    EXPECT_EQ(untouched->table.PinForceX[row], before.PinForceX[row]);
    EXPECT_EQ(untouched->table.FrictionTorque[row], before.FrictionTorque[row]);
  }
}

TEST(CounterweightPass, LoadsTheMainBearingAndRecomputesFriction) {
  auto d = OneCylinder(0.05f, 90);
  const CrankAngleTable before = d->table;
  MessageList told;
  ASSERT_TRUE(CounterweightPass(*d, told));
  const double amp = 0.05 * d->CounterweightRadius * d->OmegaSquared;
  for (int row : {0, 17, 60, 131, 240}) {
    const double g = (90 + 3.0 * row) * kDegrees;
    const auto& x = d->table.PinForceX[row];
    const auto& y = d->table.PinForceY[row];
    EXPECT_NEAR(x[kMainBearing], before.PinForceX[row][kMainBearing] + amp * std::cos(g), 1e-3 * amp);
    EXPECT_NEAR(y[kMainBearing], before.PinForceY[row][kMainBearing] + amp * std::sin(g), 1e-3 * amp);
    float rx, ry;
    Rotate(x[kMainBearing], y[kMainBearing], 3.0f * row, -1, rx, ry);
    EXPECT_EQ(x[kMainBearing + kRotatedOffset], rx);
    EXPECT_EQ(y[kMainBearing + kRotatedOffset], ry);
    const double theta = 3.0 * row * kDegrees;
    EXPECT_FLOAT_EQ(d->table.FrictionTorque[row], FrictionTorqueOf(*d, row, std::sin(theta), std::cos(theta)));
    EXPECT_EQ(d->table.SingleFrictionTorque[row], d->table.FrictionTorque[row]);
    EXPECT_EQ(d->table.SingleGasTorque[row], d->table.GasTorque[row]);
  }
}

TEST(CounterweightPass, AnUnreadableAngleIsReportedNotComputed) {
  auto d = OneCylinder(0.05f, std::nanf(""));
  MessageList told;
  EXPECT_FALSE(CounterweightPass(*d, told));
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text, "Error 6   (Overflow)  has occurred in Counterweight_Pass\r\n\r\n");
  EXPECT_FALSE(d->BalanceResultsValid);
}

TEST(CounterweightPass, AnOverflowOnOneRowLeavesEveryRowAsItWas) {
  auto d = OneCylinder(1e33f, 0);  // about 1.9e38 at the crank's speed, half of it along x at row 100
  d->table.PinForceX[100][kMainBearing] = 3e38f;
  const CrankAngleTable before = d->table;
  MessageList told;
  EXPECT_FALSE(CounterweightPass(*d, told));
  EXPECT_EQ(d->table.PinForceX, before.PinForceX);
  EXPECT_EQ(d->table.ShakingForce, before.ShakingForce);
  EXPECT_EQ(d->table.FrictionTorque, before.FrictionTorque);
}

}  // namespace
}  // namespace zorvan::testing
