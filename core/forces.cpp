// Shaking forces, torques, pin forces and friction of one cylinder, row by row.
#include "core/forces.h"

#include <cmath>


namespace zorvan {

// Products of a few single-precision figures: finite in double, so nothing
// to check here; the rows count what does not fit a float.
CylinderFigures FiguresOf(const EngineDesignRecord& d) {
  CylinderFigures f{};
  f.r = d.CrankRadius;
  const double rw2 = f.r * d.OmegaSquared;
  const double mA = d.MassAtCrankpin;
  f.mB = d.MassAtWristpin;
  f.pistonMass = d.PistonMass;
  f.mu = d.FrictionCoefficient;
  f.half = d.HalfRadiusOverLength;
  f.radiusOverLength = d.RadiusOverLength;
  f.primaryX = (f.mB + mA) * rw2;
  f.secondaryX = f.mB / d.LRRatio * rw2;  // the one-cylinder pass has checked the ratio
  f.primaryY = mA * rw2;
  f.inertiaAmp = f.r * (d.MassAtWristpin * 0.5 * f.r) * d.OmegaSquared;
  f.rodRotating = d.RodMassAtCrankpin * rw2;
  f.crankRotating = d.CrankMassAtCrankpin * rw2;
  f.crankpinJournal = d.CrankpinJournalDiameter;
  f.mainJournal = d.MainJournalDiameter;
  return f;
}

namespace {

// A pin's force (column pin) and, turned by minus the crank angle, its force
// in the crank's frame (column pin + kRotatedOffset).
[[gnu::always_inline]] inline void PutPin(CrankAngleTable& t, int pin, int row, float x, float y, double cosBack,
                                          double sinBack, int& faults) {
  t.PinForceX.column(pin)[row] = x;
  t.PinForceY.column(pin)[row] = y;
  Turned(x, y, cosBack, sinBack, t.PinForceX.column(pin + kRotatedOffset)[row],
         t.PinForceY.column(pin + kRotatedOffset)[row], faults);
}

[[gnu::always_inline]] inline void PutShaking(ShakingTable& table, int slot, int row, const ShakingRow& s) {
  table.column(ShakingColumn(slot, kX, kPrimary))[row] = s.primaryX;
  table.column(ShakingColumn(slot, kY, kPrimary))[row] = s.primaryY;
  table.column(ShakingColumn(slot, kX, kSecondary))[row] = s.secondaryX;
  table.column(ShakingColumn(slot, kY, kSecondary))[row] = 0.0f;
  table.column(ShakingColumn(slot, kX, kTotal))[row] = s.totalX;
  table.column(ShakingColumn(slot, kY, kTotal))[row] = s.primaryY;
}

// Every column is written as one run of rows; all of them lie in the one
// table, at fixed places, so the loop vectorises without overlap checks.
ZORVAN_ROW_LOOP int FormRows(const CylinderFigures& f, CrankAngleTable& __restrict t, int last) {
  const CrankColumns& k = Crank();
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const double c = k.cosBack[row], s = k.sinBack[row];
    const ShakingRow shaking = ShakingOf(f, k.cos1[row], k.sin1[row], k.cos2[row], faults);
    PutShaking(t.ShakingForce, 1, row, shaking);
    PutShaking(t.ShakingForce, 0, row, shaking);
    PutShaking(t.SingleShakingForce, 0, row, shaking);
    const TorqueRow q = TorquesOf(f, t.GasForce[row], k.cos1[row], k.sin1[row], k.sin2[row], k.sin3[row], faults);
    t.InertiaTorque[row] = q.inertia;
    t.GasTorque[row] = q.gas;
    t.TotalTorque[row] = q.total;
    t.ShakingTorque[row] = -q.total;
    const PinRow p =
        PinForcesOf(f, t.GasForce[row], t.PistonAcceleration[row], t.TanConrodAngle[row], k.cos1[row], k.sin1[row], faults);
    // Column 0 holds no force; it is turned as the others are.
    PutPin(t, 0, row, t.PinForceX.column(0)[row], t.PinForceY.column(0)[row], c, s, faults);
    PutPin(t, kCrankpin, row, p.f32x, p.f32y, c, s, faults);
    PutPin(t, kWristpin, row, p.f34x, p.f34y, c, s, faults);
    PutPin(t, kWall, row, p.f41x, p.f41y, c, s, faults);
    PutPin(t, kMainBearing, row, p.f21x, p.f21y, c, s, faults);
    t.FrictionTorque[row] = FrictionOf(f, p.f41y, p.f32x, p.f32y, p.f21x, p.f21y, k.sin1[row], k.cos1[row], faults);
  }
  return faults;
}

}  // namespace

int StoreForces(const EngineDesignRecord& d, CrankAngleTable& t, int last) { return FormRows(FiguresOf(d), t, last); }

}  // namespace zorvan
