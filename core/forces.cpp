// Shaking forces, torques, pin forces and friction of one cylinder, row by row.
// x lies along the cylinder axis (towards the head), y across it.
#include "core/forces.h"

#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"

namespace zorvan {

namespace {

void PutShaking(EngineDesignRecord& d, int row, int component, int group, float v) {
  CrankAngleTable& t = d.table;
  t.ShakingForce.at(row).at(ShakingColumn(1, component, group)) = v;
  t.ShakingForce.at(row).at(ShakingColumn(0, component, group)) = v;
  t.SingleShakingForce.at(row).at(ShakingColumn(0, component, group)) = v;
}

// Float components squared in double cannot overflow, so the plain root is exact enough.
double Magnitude(float x, float y) {
  const double dx = x, dy = y;
  return std::sqrt(dx * dx + dy * dy);
}

float Zeroed(double v) { return ZeroBelow(Sng(v), kOneCylinderZero); }

}  // namespace

void StoreShakingForces(EngineDesignRecord& d, int row, const CrankRow& k) {
  const double rw2 = Chk(static_cast<double>(d.CrankRadius) * d.OmegaSquared);
  const double mA = d.MassAtCrankpin, mB = d.MassAtWristpin;

  const float primaryX = Zeroed(Chk(Chk((mB + mA) * rw2) * k.cos1));
  const float secondaryX = Zeroed(Chk(Chk(Div(mB, d.LRRatio) * rw2) * k.cos2));
  // The totals are formed from the parts as stored, after their own zeroing.
  const float totalX = Zeroed(static_cast<double>(primaryX) + secondaryX);
  const float primaryY = Zeroed(Chk(Chk(mA * rw2) * k.sin1));
  const float secondaryY = 0;
  const float totalY = Zeroed(static_cast<double>(secondaryY) + primaryY);

  PutShaking(d, row, kX, kPrimary, primaryX);
  PutShaking(d, row, kY, kPrimary, primaryY);
  PutShaking(d, row, kX, kSecondary, secondaryX);
  PutShaking(d, row, kY, kSecondary, secondaryY);
  PutShaking(d, row, kX, kTotal, totalX);
  PutShaking(d, row, kY, kTotal, totalY);
}

void StoreTorques(EngineDesignRecord& d, int row, const CrankRow& k) {
  CrankAngleTable& t = d.table;
  const double r = d.CrankRadius, h = d.HalfRadiusOverLength;
  const double inertiaShape = Chk(h * k.sin1) - k.sin2 - Chk(3 * h * k.sin3);
  const double inertiaAmp = Chk(Chk(r * Chk(d.MassAtWristpin * 0.5 * r)) * d.OmegaSquared);
  const float inertia = Sng(Chk(inertiaShape * inertiaAmp));
  const double leverage = Chk(Chk(d.RadiusOverLength * k.cos1) + 1);
  const float gas = Sng(Chk(Chk(r * t.GasForce.at(row)) * k.sin1) * leverage);
  const float total = Sng(static_cast<double>(gas) + inertia);

  t.InertiaTorque.at(row) = inertia;
  t.GasTorque.at(row) = gas;
  t.TotalTorque.at(row) = total;
  t.ShakingTorque.at(row) = -total;
}

void StorePinForces(EngineDesignRecord& d, int row, const CrankRow& k) {
  CrankAngleTable& t = d.table;
  const double rw2 = Chk(static_cast<double>(d.CrankRadius) * d.OmegaSquared);
  const double g = -static_cast<double>(t.GasForce.at(row));
  const double aB = t.PistonAcceleration.at(row);
  const double tanRod = t.TanConrodAngle.at(row);
  const double mu = d.FrictionCoefficient;
  const double rodRotating = Chk(d.RodMassAtCrankpin * rw2);
  const double crankRotating = Chk(d.CrankMassAtCrankpin * rw2);
  const double axial = Chk(Chk(d.MassAtWristpin * aB) + g);  // reciprocating inertia and gas along the axis

  const float f32x = Sng(Chk(rodRotating * k.cos1) - Chk(d.MassAtWristpin * aB) + g);
  const float f32y = Sng(Chk(axial * tanRod) + Chk(rodRotating * k.sin1));
  const float f34x = Sng(Chk(d.PistonMass * aB) - g);
  const float f34y = Sng(-Chk(axial * tanRod));
  const float f41y = Sng(-Chk(axial * tanRod));
  const float f41x = Sng(Chk(-mu * f41y));
  const float f21x = Sng(Chk(crankRotating * k.cos1) + f32x);
  const float f21y = Sng(Chk(crankRotating * k.sin1) + f32y);

  auto& x = t.PinForceX.at(row);
  auto& y = t.PinForceY.at(row);
  x.at(kCrankpin) = f32x;
  y.at(kCrankpin) = f32y;
  x.at(kWristpin) = f34x;
  y.at(kWristpin) = f34y;
  x.at(kWall) = f41x;
  y.at(kWall) = f41y;
  x.at(kMainBearing) = f21x;
  y.at(kMainBearing) = f21y;
}

float FrictionTorqueOf(const EngineDesignRecord& d, int row, double sinTheta, double cosTheta) {
  const CrankAngleTable& t = d.table;
  const double f41y = t.PinForceY.at(row).at(kWall);
  const double f32 = Magnitude(t.PinForceX.at(row).at(kCrankpin), t.PinForceY.at(row).at(kCrankpin));
  const double f21 = Magnitude(t.PinForceX.at(row).at(kMainBearing), t.PinForceY.at(row).at(kMainBearing));
  // The wall loss is the side force times the piston's travel per radian of
  // crank; both change sign over the stroke, so its size is taken: friction
  // opposes the motion and never drives the crank.
  const double travel = Chk(Chk(d.CrankRadius * sinTheta) * Chk(Chk(d.RadiusOverLength * cosTheta) + 1));
  const double wall = std::fabs(Chk(f41y * travel));
  const double journals =
      Chk(Chk(d.CrankpinJournalDiameter * f32) / 2) + Chk(Chk(d.MainJournalDiameter * f21) / 2);
  return Sng(Chk(-static_cast<double>(d.FrictionCoefficient) * Chk(wall + journals)));
}

void StoreRotatedPinForces(EngineDesignRecord& d, int row, const CrankRow& k) {
  auto& x = d.table.PinForceX.at(row);
  auto& y = d.table.PinForceY.at(row);
  for (int j = 0; j <= kMainBearing; ++j)
    RotateCosSin(x.at(j), y.at(j), k.cosBack, k.sinBack, x.at(j + kRotatedOffset), y.at(j + kRotatedOffset));
}

void StoreForcesAndTorques(EngineDesignRecord& d, int row, const CrankRow& crank) {
  StoreShakingForces(d, row, crank);
  StoreTorques(d, row, crank);
  StorePinForces(d, row, crank);
  d.table.FrictionTorque.at(row) = FrictionTorqueOf(d, row, crank.sin1, crank.cos1);
  StoreRotatedPinForces(d, row, crank);
}

}  // namespace zorvan
