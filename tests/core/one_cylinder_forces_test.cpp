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
