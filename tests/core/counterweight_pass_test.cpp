#include <gtest/gtest.h>

#include <cmath>

#include "core/forces.h"
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

// The friction the new bearing load gives is worked by hand in the one-cylinder
// force tests; here the bearing's load in both frames, with a counterweight
// radius other than the crank's.
TEST(CounterweightPass, LoadsTheMainBearingInBothFrames) {
  auto d = OneCylinder(0.05f, 90);
  d->CounterweightRadius = 1.1f;
  const CrankAngleTable before = d->table;
  MessageList told;
  ASSERT_TRUE(CounterweightPass(*d, told));
  const double amp = 0.05 * 1.1 * d->OmegaSquared;
  for (int row : {0, 17, 60, 131, 240}) {
    const double theta = 3.0 * row * kDegrees, g = 90 * kDegrees + theta;
    const auto& x = d->table.PinForceX[row];
    const auto& y = d->table.PinForceY[row];
    const double fx = before.PinForceX[row][kMainBearing] + amp * std::cos(g);
    const double fy = before.PinForceY[row][kMainBearing] + amp * std::sin(g);
    EXPECT_NEAR(x[kMainBearing], fx, 1e-3 * amp);
    EXPECT_NEAR(y[kMainBearing], fy, 1e-3 * amp);
    // Turned back through the crank angle: x cos t + y sin t along the crank, y cos t - x sin t across.
    const double bx = x[kMainBearing], by = y[kMainBearing], tol = 1e-5 * (std::fabs(bx) + std::fabs(by));
    EXPECT_NEAR(x[kMainBearing + kRotatedOffset], bx * std::cos(theta) + by * std::sin(theta), tol);
    EXPECT_NEAR(y[kMainBearing + kRotatedOffset], by * std::cos(theta) - bx * std::sin(theta), tol);
    EXPECT_NE(d->table.FrictionTorque[row], before.FrictionTorque[row]);
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
