// Shaking forces, torques, pin forces and friction of the one-cylinder pass.
#include <gtest/gtest.h>

#include <cmath>

#include "core/forces.h"
#include "tests/support/one_cylinder_fixture.h"

namespace zorvan {
namespace {

using testing::HandDesign;
using testing::kDeg;
using testing::RunPass;

float Shaking(const EngineDesignRecord& d, int row, int component, int group) {
  return d.table.ShakingForce[row][ShakingColumn(1, component, group)];
}

// The shaking forces of one crank angle, as the pass stores them.
ShakingRow ShakingAt(const EngineDesignRecord& d, float degrees) {
  const CrankRow k = MakeCrankRow(degrees);
  int faults = 0;
  const ShakingRow s = ShakingOf(FiguresOf(d), k.cos1, k.sin1, k.cos2, faults);
  EXPECT_EQ(faults, 0);
  return s;
}

TEST(OneCylinderForces, WristpinForceIsThePistonsInertiaWithoutGasOrRodMass) {
  auto d = HandDesign();
  d->GasPressureScale = 0;
  d->ConrodMass = 0;
  testing::LumpMasses(*d);
  RunPass(*d);
  const auto& t = d->table;
  for (int i = 0; i <= 240; ++i) {
    EXPECT_EQ(t.GasForce[i], 0.0f);
    EXPECT_NEAR(t.PinForceX[i][kWristpin], d->PistonMass * t.PistonAcceleration[i],
                1e-5 * std::fabs(d->PistonMass * t.PistonAcceleration[i]) + 1e-6)
        << i;
  }
}

TEST(OneCylinderForces, GasTorqueAndSideForcesVanishAtTheDeadCentres) {
  auto d = HandDesign();
  RunPass(*d);
  const auto& t = d->table;
  ASSERT_GT(t.GasForce[0], 1000.0f);  // the gas pushes hard at top dead centre
  EXPECT_EQ(t.GasTorque[0], 0.0f);
  for (int j = kCrankpin; j <= kMainBearing; ++j) EXPECT_EQ(t.PinForceY[0][j], 0.0f) << j;
  // 180 degrees carries the rounding of the program's pi; the forces are of order 1e3.
  EXPECT_NEAR(t.GasTorque[60], 0.0, 1e-4);
  for (int j = kCrankpin; j <= kMainBearing; ++j) EXPECT_NEAR(t.PinForceY[60][j], 0.0, 1e-4) << j;
  for (int i = 1; i < 60; ++i) EXPECT_GT(t.GasTorque[i], 0.0f) << i;  // the gas drives the crank
}

// The shaking forces of a design small enough to sit on the 0.015 threshold.
std::unique_ptr<EngineDesignRecord> ThresholdDesign(float mA, float mB, float lr) {
  auto d = std::make_unique<EngineDesignRecord>();
  d->CrankRadius = 1;
  d->OmegaSquared = 1;
  d->MassAtCrankpin = mA;
  d->MassAtWristpin = mB;
  d->LRRatio = lr;
  return d;
}

TEST(OneCylinderForces, SmallShakingForcesAreZeroedAndTotalsUseTheZeroedParts) {
  // Primary 0.0149 and secondary 0.0100 at 0 degrees: both below the threshold,
  // so the total is 0 although their sum, 0.0249, is not.
  ShakingRow s = ShakingAt(*ThresholdDesign(0.0f, 0.0149f, 1.49f), 0);
  EXPECT_EQ(s.primaryX, 0.0f);
  EXPECT_EQ(s.secondaryX, 0.0f);
  EXPECT_EQ(s.totalX, 0.0f);

  // Exactly the single-precision threshold stays: the comparison is in single precision.
  s = ShakingAt(*ThresholdDesign(0.0f, 0.015f, 100.0f), 0);
  EXPECT_EQ(s.primaryX, 0.015f);
  EXPECT_EQ(s.totalX, 0.015f);  // secondary 0.00015 dropped first

  // Across the axis only the rotating mass shakes; 0.0149 is dropped, 0.02 kept.
  EXPECT_EQ(ShakingAt(*ThresholdDesign(0.0149f, 0.0f, 3.0f), 90).primaryY, 0.0f);
  s = ShakingAt(*ThresholdDesign(0.02f, 0.0f, 3.0f), 90);
  EXPECT_FLOAT_EQ(s.primaryY, 0.02f);
  EXPECT_EQ(s.secondaryX, 0.0f);
}

TEST(OneCylinderForces, ShakingForcesGoToTheCylinderTheEngineAndTheKeptCopy) {
  auto d = HandDesign();
  d->table.ShakingMoment[5][3] = 7;  // left over from an earlier engine
  RunPass(*d);
  const auto& t = d->table;
  const double r = d->CrankRadius, w2 = d->OmegaSquared;
  const double mA = d->MassAtCrankpin, mB = d->MassAtWristpin;
  for (int i = 0; i <= 240; ++i) {
    const double theta = 3.0 * i * kDeg;
    const double px = (mA + mB) * r * w2 * std::cos(theta), sx = mB / 3.5 * r * w2 * std::cos(2 * theta);
    SCOPED_TRACE(i);
    EXPECT_NEAR(Shaking(*d, i, kX, kPrimary), std::fabs(px) < 0.015 ? 0 : px, 1e-3);
    EXPECT_NEAR(Shaking(*d, i, kX, kSecondary), std::fabs(sx) < 0.015 ? 0 : sx, 1e-3);
    EXPECT_NEAR(Shaking(*d, i, kY, kPrimary), mA * r * w2 * std::sin(theta), 1e-3);
    for (int component : {kX, kY})
      for (int group : {kPrimary, kSecondary, kTotal}) {
        const float v = Shaking(*d, i, component, group);
        EXPECT_EQ(t.ShakingForce[i][ShakingColumn(0, component, group)], v);
        EXPECT_EQ(t.SingleShakingForce[i][ShakingColumn(0, component, group)], v);
      }
  }
  EXPECT_EQ(t.ShakingMoment[5][3], 0.0f);
}

// Three rows of the start-up cylinder at 3400 rev/min worked by hand, with a
// counterweight of 0.04 bl at 1 in (not the crank radius), 150 degrees on.
// Exact slider-crank (no offset), lambda = r/L, phi the rod's lean:
//   cos phi = sqrt(1 - lambda^2 sin^2 t), tan phi = lambda sin t / cos phi,
//   aB = -r w^2 (cos t + (lambda cos 2t + lambda^3 sin^4 t) / cos^3 phi).
// The gas pulse is 5689 x (1 - x)^3 psi on the piston, x = 0.1 + 0.015 row
// (row 10: x = 0.25, 600.01 psi; row 20: x = 0.4, 491.53 psi; row 130: none).
// A = mB aB + F is the load along the axis that the rod carries; the rod
// pushes the crankpin back with (-A, A tan phi), the piston the wall with
// -A tan phi; the crank's own rotating mass and the counterweight add their
// centrifugal forces at the main bearing.
TEST(OneCylinderForces, HandCalculatedRowsWithACounterweightOffTheCrankRadius) {
  auto d = HandDesign();
  d->CounterweightMass = 0.04f;
  d->CounterweightRadius = 1.0f;
  d->CounterweightAngle = 150;
  RunPass(*d);
  testing::RunCounterweightPass(*d);
  const auto& t = d->table;
  const double r = 1.7683883, lambda = r / 6.189359, w2 = 356.0472 * 356.0472;
  const double mB = 0.005 + 0.33 * 0.02, rodAtPin = 0.67 * 0.02, crankAtPin = 0.5 * 0.03, mu = 0.02;
  const struct {
    int row;
    double psi;
  } rows[] = {{10, 5689 * 0.25 * 0.75 * 0.75 * 0.75}, {20, 5689 * 0.4 * 0.6 * 0.6 * 0.6}, {130, 0}};
  for (const auto& [row, psi] : rows) {
    SCOPED_TRACE(row);
    const double th = 3 * row * kDeg, s = std::sin(th), c = std::cos(th);
    const double cosPhi = std::sqrt(1 - lambda * lambda * s * s), tanPhi = lambda * s / cosPhi;
    const double aB =
        -r * w2 * (c + (lambda * std::cos(2 * th) + std::pow(lambda, 3) * std::pow(s, 4)) / std::pow(cosPhi, 3));
    const double gas = psi * 7.0685835, axial = mB * aB + gas;
    auto near = [](double v) { return 2e-5 * std::fabs(v) + 1e-3; };
    // Gas torque: the gas force times the piston's travel per radian, r sin t (1 + lambda cos t)
    // (the virtual work F dx/dt, whose exact lever, 1 + lambda cos t / cos phi, is 0.3 % longer here).
    const double gasTorque = r * gas * s * (1 + lambda * c);
    EXPECT_NEAR(t.GasTorque[row], gasTorque, near(gasTorque));
    EXPECT_NEAR(t.GasTorque[row], r * gas * s * (1 + lambda * c / cosPhi), 0.01 * gasTorque + 1e-3);
    const double inertia = mB * r * r * w2 / 2 * (lambda / 2 * s - std::sin(2 * th) - 1.5 * lambda * std::sin(3 * th));
    EXPECT_NEAR(t.InertiaTorque[row], inertia, near(inertia));
    EXPECT_NEAR(t.TotalTorque[row], gasTorque + inertia, near(gasTorque) + near(inertia));
    EXPECT_NEAR(t.PinForceY[row][kWall], -axial * tanPhi, near(axial));
    EXPECT_NEAR(t.PinForceX[row][kWall], mu * axial * tanPhi, near(axial));
    const double f32x = rodAtPin * r * w2 * c - axial, f32y = rodAtPin * r * w2 * s + axial * tanPhi;
    EXPECT_NEAR(t.PinForceX[row][kCrankpin], f32x, near(axial));
    EXPECT_NEAR(t.PinForceY[row][kCrankpin], f32y, near(axial));
    // The rod's push on the crankpin turns the crank as the gas and inertia torques do
    // (the inertia torque is a three-term series of the exact lever, a few per cent off).
    EXPECT_NEAR(r * c * t.PinForceY[row][kCrankpin] - r * s * t.PinForceX[row][kCrankpin], gasTorque + inertia,
                0.04 * (std::fabs(gasTorque) + std::fabs(inertia)));
    const double cw = 0.04 * 1.0 * w2, g = th + 150 * kDeg;
    const double f21x = f32x + crankAtPin * r * w2 * c + cw * std::cos(g);
    const double f21y = f32y + crankAtPin * r * w2 * s + cw * std::sin(g);
    EXPECT_NEAR(t.PinForceX[row][kMainBearing], f21x, near(axial));
    EXPECT_NEAR(t.PinForceY[row][kMainBearing], f21y, near(axial));
    // Friction: the wall's side force over the piston's travel, and each
    // journal's load at its radius (half the diameters 1.5 and 2 in).
    const double wall = std::fabs(axial * tanPhi * r * s * (1 + lambda * c));
    const double friction = -mu * (wall + 1.5 / 2 * std::hypot(f32x, f32y) + 2.0 / 2 * std::hypot(f21x, f21y));
    EXPECT_NEAR(t.FrictionTorque[row], friction, near(friction));
  }
}

// Friction takes energy out of the machine whatever the design; without
// journals the wall alone must still never drive the crank.
TEST(OneCylinderForces, FrictionTorqueIsNeverPositive) {
  struct Variant {
    float offset, scale;
    int16_t gasCurve, stroke;
    float omega, journals;
  };
  for (Variant v : {Variant{0, 1, 1, 4, 356.0472f, 1}, Variant{0.5f, 3, 1, 4, 83.7758f, 1},
                    Variant{-0.4f, 1, 2, 2, 628.3185f, 1}, Variant{0, 0, 1, 4, 628.3185f, 0},
                    Variant{0, 1, 1, 4, 356.0472f, 0}, Variant{0.2f, 10, 1, 2, 83.7758f, 0.1f}}) {
    auto d = HandDesign();
    d->WristpinOffset = v.offset;
    d->GasPressureScale = v.scale;
    d->GasCurve = v.gasCurve;
    d->StrokeCycle = v.stroke;
    d->Omega = v.omega;
    d->OmegaSquared = v.omega * v.omega;
    d->MainJournalDiameter *= v.journals;
    d->CrankpinJournalDiameter *= v.journals;
    RunPass(*d);
    for (int i = 0; i <= 240; ++i) EXPECT_LE(d->table.FrictionTorque[i], 0.0f) << "row " << i;
  }
}

TEST(OneCylinderForces, RotatedPinForcesTurnWithTheCrank) {
  auto d = HandDesign();
  d->WristpinOffset = 0.3f;
  RunPass(*d);
  const auto& t = d->table;
  for (int i = 0; i <= 240; ++i)
    for (int j = 0; j <= kMainBearing; ++j) {
      const double phi = -3.0 * i * kDeg;
      const double x = t.PinForceX[i][j], y = t.PinForceY[i][j];
      const double tol = 1e-5 * (std::fabs(x) + std::fabs(y)) + 1e-6;
      EXPECT_NEAR(t.PinForceX[i][j + kRotatedOffset], x * std::cos(phi) - y * std::sin(phi), tol) << i << "," << j;
      EXPECT_NEAR(t.PinForceY[i][j + kRotatedOffset], x * std::sin(phi) + y * std::cos(phi), tol) << i << "," << j;
    }
  // At 90 degrees the rotated y is minus the axial component.
  EXPECT_NEAR(t.PinForceY[30][kMainBearing + kRotatedOffset], -t.PinForceX[30][kMainBearing],
              1e-4 * std::fabs(t.PinForceX[30][kMainBearing]));
}

}  // namespace
}  // namespace zorvan
