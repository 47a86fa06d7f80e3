// Piston motion of the one-cylinder pass against the slider-crank written
// directly in the piston's travel x(theta) = r cos theta + sqrt(L^2 - (r sin theta - c)^2).
#include <gtest/gtest.h>

#include <cmath>

#include "core/kinematics.h"
#include "tests/support/one_cylinder_fixture.h"

namespace zorvan {
namespace {

using testing::HandDesign;
using testing::kDeg;
using testing::RunPass;

struct Travel {
  double x, dx, ddx, tanRod;  // travel, first and second derivative per radian of crank
};

Travel ClosedForm(double theta, double r, double L, double c) {
  const double s = std::sin(theta), co = std::cos(theta);
  const double u = r * s - c, du = r * co, ddu = -r * s;
  const double D = std::sqrt(L * L - u * u);
  return {r * co + D, -r * s - u * du / D, -r * co - (du * du + u * ddu) / D - (u * du) * (u * du) / (D * D * D),
          -u / D};
}

TEST(SliderCrank, MatchesTheClosedFormWithOffsetAndCrankAcceleration) {
  const double r = 1.5, L = 5.0, c = 0.4, w = 120.0, alpha = 900.0;
  for (int deg = 0; deg <= 720; deg += 7) {
    const double theta = deg * kDeg;
    SliderCrankResult s = SolveSliderCrank(theta, w, alpha, r, L, c);
    Travel t = ClosedForm(theta, r, L, c);
    SCOPED_TRACE(deg);
    EXPECT_NEAR(s.position, t.x, 2e-6 * (r + L));
    EXPECT_NEAR(s.velocity, t.dx * w, 2e-6 * r * w);
    EXPECT_NEAR(s.acceleration, t.ddx * w * w + t.dx * alpha, 2e-6 * r * (w * w + alpha) * 2);
    EXPECT_NEAR(std::tan(s.theta3 - 3.141592654), t.tanRod, 1e-6);
  }
}

TEST(SliderCrank, RodShorterThanTheCrankLeavesTheRodAtHalfATurn) {
  // |r sin theta / L| > 1 at 90 degrees: the rod angle is taken as pi and the
  // solution goes on instead of failing.
  SliderCrankResult s = SolveSliderCrank(90 * kDeg, 10, 0, 2.0, 1.0, 0.0);
  EXPECT_DOUBLE_EQ(s.theta3, 3.141592654);
  EXPECT_NEAR(s.position, 1.0, 1e-6);
  EXPECT_TRUE(std::isfinite(s.velocity) && std::isfinite(s.acceleration));
}

TEST(OneCylinderKinematics, DeadCentresMatchTheTextbookValues) {
  auto d = HandDesign();
  RunPass(*d);
  const auto& t = d->table;
  const float r = d->CrankRadius, L = d->ConrodLength, w2 = d->OmegaSquared;
  EXPECT_NEAR(t.PistonPosition[0], r + L, 1e-5);
  // Not exactly 0: the program's pi, 3.141592654, leaves the rod 4e-10 rad off the axis.
  EXPECT_NEAR(t.PistonVelocity[0], 0.0, 1e-8 * r * d->Omega);
  EXPECT_NEAR(t.PistonAcceleration[0], -r * w2 * (1 + r / L), 1e-5 * r * w2);
  EXPECT_EQ(t.TanConrodAngle[0], 0.0);
  EXPECT_NEAR(t.PistonPosition[60], L - r, 1e-5);
  EXPECT_NEAR(t.PistonVelocity[60], 0.0, 1e-3);
  EXPECT_NEAR(t.PistonAcceleration[60], r * w2 * (1 - r / L), 1e-5 * r * w2);
  EXPECT_NEAR(t.PistonPosition[120], r + L, 1e-5);  // one turn later, top dead centre again
  for (int i = 0; i <= 240; ++i) EXPECT_EQ(t.CrankAngle[i], 3.0f * i) << i;
}

// Every row, with and without an offset of the cylinder axis.
TEST(OneCylinderKinematics, EveryRowMatchesTheClosedForm) {
  for (float offset : {0.0f, 0.5f, -0.3f}) {
    auto d = HandDesign();
    d->WristpinOffset = offset;
    RunPass(*d);
    const auto& t = d->table;
    const double r = d->CrankRadius, L = d->ConrodLength, w = d->Omega;
    for (int i = 0; i <= 240; ++i) {
      Travel x = ClosedForm(3.0 * i * kDeg, r, L, offset);
      SCOPED_TRACE(::testing::Message() << "offset " << offset << " row " << i);
      EXPECT_NEAR(t.PistonPosition[i], x.x, 2e-6 * (r + L));
      EXPECT_NEAR(t.PistonVelocity[i], x.dx * w, 2e-6 * r * w);
      EXPECT_NEAR(t.PistonAcceleration[i], x.ddx * w * w, 4e-6 * r * w * w);
      EXPECT_NEAR(t.TanConrodAngle[i], x.tanRod, 1e-6);
    }
  }
}

}  // namespace
}  // namespace zorvan
