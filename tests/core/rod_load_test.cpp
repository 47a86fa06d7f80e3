// Rod load against closed forms: pure inertia, a load that never reverses,
// a cosine load, and designs without results.
#include "core/rod_load.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/design.h"
#include "core/one_cylinder.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

constexpr double kDeg = 3.141592654 / 180;

// With no gas force the rod carries the piston's inertia alone: it pulls
// (tension) while the piston decelerates towards top dead centre.
TEST(RodLoad, PureInertiaReversesWhereTheAccelerationDoes) {
  for (float lr : {3.5f, 5.0f}) {
    auto d = StartUp();
    d->LRRatio = lr;
    d->GasPressureScale = 0;
    MessageList told;
    ASSERT_TRUE(Engine_Data(*d, told) && OneCylinderPass(*d, told));
    RodLoad r;
    ASSERT_TRUE(RodLoadCalculation(*d, told, r));
    const Column& a = d->table.PistonAcceleration;
    const float lowest = *std::min_element(a.begin(), a.end()), highest = *std::max_element(a.begin(), a.end());
    EXPECT_FLOAT_EQ(r.PeakTension, -d->PistonMass * lowest);
    EXPECT_FLOAT_EQ(r.PeakCompression, d->PistonMass * highest);
    EXPECT_EQ(r.PeakTensionAngle, 0);  // top dead centre
    // The series form puts the acceleration's zeros at cos(theta) = (sqrt(1 + 8 l^2) - 1) / (4 l).
    const double l = 1 / lr;
    const double crossing = std::acos((std::sqrt(1 + 8 * l * l) - 1) / (4 * l)) / kDeg;
    EXPECT_NEAR(r.ReversalDegrees, 2 * 2 * crossing, 4 * 1.0) << lr;  // four crossings in 720 degrees
    // The smaller peak (the push after top dead centre) over the larger.
    EXPECT_NEAR(r.ReversalPercent, 100 * highest / -lowest, 1e-3);
    EXPECT_TRUE(r.MinimumsMet);
  }
}

// A hand-made load over one two-stroke cycle (rows 0..120, 360 degrees).
std::unique_ptr<EngineDesignRecord> WithLoad(double (*load)(double degrees)) {
  auto d = StartUp();
  d->StrokeCycle = 2;
  d->SingleResultsValid = true;
  for (int row = 0; row <= kLastRow; ++row) {
    d->table.CrankAngle[row] = 3.0f * row;
    d->table.PinForceX[row][kWristpin] = static_cast<float>(load(3.0 * row));
  }
  return d;
}

TEST(RodLoad, NoReversalAndTheCrossingsOfACosine) {
  RodLoad steady = RodLoadOf(*WithLoad([](double t) { return 1000 + 900 * std::cos(t * kDeg); }));
  EXPECT_EQ(steady.ReversalDegrees, 0);
  EXPECT_EQ(steady.ReversalPercent, 0);
  EXPECT_EQ(steady.PeakTension, 0);
  EXPECT_FALSE(steady.MinimumsMet);
  // cos + 0.5 pulls from 120 to 240 degrees, with a third of the peak push.
  RodLoad cosine = RodLoadOf(*WithLoad([](double t) { return std::cos(t * kDeg) + 0.5; }));
  EXPECT_NEAR(cosine.ReversalDegrees, 120, 0.2);  // each crossing within 0.1 degree
  EXPECT_NEAR(cosine.ReversalPercent, 100.0 / 3, 1e-4);
  EXPECT_EQ(cosine.PeakTensionAngle, 180);
  // A reversal shorter than 15 degrees misses the minimums, however strong.
  RodLoad brief = RodLoadOf(*WithLoad([](double t) { return std::cos(t * kDeg) + 0.995; }));
  EXPECT_LT(brief.ReversalDegrees, 15);
  EXPECT_FALSE(brief.MinimumsMet);
}

// Compressor practice never quotes a reversal above 100 %, whichever
// direction is the shorter.
TEST(RodLoad, ReversalPercentIsTheSmallerPeakOverTheLarger) {
  for (int k = 0; k < kPresetCount; ++k) {
    auto d = Example(k);
    for (float scale : {d->GasPressureScale, 0.0f}) {
      d->GasPressureScale = scale;  // pure inertia: the shorter direction has the larger peak
      Recalculate(*d);
      const RodLoad r = RodLoadOf(*d);
      EXPECT_LE(r.ReversalPercent, 100) << k << " " << scale;
    }
  }
}

TEST(RodLoad, NoResultsOrNaNEndInTheReport) {
  auto none = StartUp();
  MessageList told;
  RodLoad r;
  EXPECT_FALSE(RodLoadCalculation(*none, told, r));
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text,
            "Error 5   (There are no one-cylinder results)  has occurred in Rod_Load\r\n\r\n");
  auto broken = WithLoad([](double t) { return std::cos(t * kDeg); });
  broken->table.PinForceX[60][kWristpin] = std::nanf("");
  EXPECT_FALSE(RodLoadCalculation(*broken, told, r));
  EXPECT_FALSE(r.MinimumsMet);
  EXPECT_EQ(told.Size(), 2u);
}

}  // namespace
}  // namespace zorvan::testing
