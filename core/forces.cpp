// Shaking forces, torques, pin forces and friction of one cylinder, row by row.
#include "core/forces.h"

#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"

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

float FrictionTorqueOf(const EngineDesignRecord& d, int row, double sinTheta, double cosTheta) {
  const auto& x = d.table.PinForceX.at(row);
  const auto& y = d.table.PinForceY.at(row);
  int faults = 0;
  const float torque = FrictionOf(FiguresOf(d), y[kWall], x[kCrankpin], y[kCrankpin], x[kMainBearing],
                                  y[kMainBearing], sinTheta, cosTheta, faults);
  if (faults != 0) RaiseError(err::Overflow);
  return torque;
}

namespace {

// The row-major tables' part of the rows, formed as columns first so that
// the arithmetic runs over contiguous rows, then written out row by row.
struct PinColumns {
  Column f32x, f32y, f34x, f34y, f41x, f41y, f21x, f21y;
  [[gnu::always_inline]] void Set(int row, const PinRow& p) {
    f32x[row] = p.f32x;
    f32y[row] = p.f32y;
    f34x[row] = p.f34x;
    f34y[row] = p.f34y;
    f41x[row] = p.f41x;
    f41y[row] = p.f41y;
    f21x[row] = p.f21x;
    f21y[row] = p.f21y;
  }
  PinRow Get(int row) const {
    return {f32x[row], f32y[row], f34x[row], f34y[row], f41x[row], f41y[row], f21x[row], f21y[row]};
  }
};
struct TableParts {
  Column primaryX, secondaryX, totalX, primaryY;
  PinColumns pins, turned;
};

[[gnu::always_inline]] inline void PutShakingSlot(std::array<float, kShakingColumns>& row, int slot,
                                                  const ShakingRow& s) {
  row[ShakingColumn(slot, kX, kPrimary)] = s.primaryX;
  row[ShakingColumn(slot, kY, kPrimary)] = s.primaryY;
  row[ShakingColumn(slot, kX, kSecondary)] = s.secondaryX;
  row[ShakingColumn(slot, kY, kSecondary)] = 0.0f;
  row[ShakingColumn(slot, kX, kTotal)] = s.totalX;
  row[ShakingColumn(slot, kY, kTotal)] = s.primaryY;
}

// Pin columns 1..4, or their turn 6..9 with offset kRotatedOffset.
void PutPins(std::array<float, kPinColumns>& x, std::array<float, kPinColumns>& y, int offset, const PinRow& p) {
  x[kCrankpin + offset] = p.f32x;
  y[kCrankpin + offset] = p.f32y;
  x[kWristpin + offset] = p.f34x;
  y[kWristpin + offset] = p.f34y;
  x[kWall + offset] = p.f41x;
  y[kWall + offset] = p.f41y;
  x[kMainBearing + offset] = p.f21x;
  y[kMainBearing + offset] = p.f21y;
}

[[gnu::always_inline]] inline PinRow TurnedPins(const PinRow& p, double c, double s, int& faults) {
  PinRow q;
  Turned(p.f32x, p.f32y, c, s, q.f32x, q.f32y, faults);
  Turned(p.f34x, p.f34y, c, s, q.f34x, q.f34y, faults);
  Turned(p.f41x, p.f41y, c, s, q.f41x, q.f41y, faults);
  Turned(p.f21x, p.f21y, c, s, q.f21x, q.f21y, faults);
  return q;
}

ZORVAN_ROW_LOOP int FormRows(const CylinderFigures& f, CrankAngleTable& __restrict t, TableParts& __restrict parts,
                             int last) {
  const CrankColumns& k = Crank();
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const ShakingRow s = ShakingOf(f, k.cos1[row], k.sin1[row], k.cos2[row], faults);
    parts.primaryX[row] = s.primaryX;
    parts.secondaryX[row] = s.secondaryX;
    parts.totalX[row] = s.totalX;
    parts.primaryY[row] = s.primaryY;
    const TorqueRow q = TorquesOf(f, t.GasForce[row], k.cos1[row], k.sin1[row], k.sin2[row], k.sin3[row], faults);
    t.InertiaTorque[row] = q.inertia;
    t.GasTorque[row] = q.gas;
    t.TotalTorque[row] = q.total;
    t.ShakingTorque[row] = -q.total;
    const PinRow p =
        PinForcesOf(f, t.GasForce[row], t.PistonAcceleration[row], t.TanConrodAngle[row], k.cos1[row], k.sin1[row], faults);
    parts.pins.Set(row, p);
    parts.turned.Set(row, TurnedPins(p, k.cosBack[row], k.sinBack[row], faults));
    t.FrictionTorque[row] = FrictionOf(f, p.f41y, p.f32x, p.f32y, p.f21x, p.f21y, k.sin1[row], k.cos1[row], faults);
  }
  return faults;
}

void PutRows(CrankAngleTable& t, const TableParts& parts, int last) {
  const CrankColumns& k = Crank();
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const ShakingRow s{parts.primaryX[row], parts.secondaryX[row], parts.totalX[row], parts.primaryY[row]};
    PutShakingSlot(t.ShakingForce[row], 1, s);
    PutShakingSlot(t.ShakingForce[row], 0, s);
    PutShakingSlot(t.SingleShakingForce[row], 0, s);
    auto& x = t.PinForceX[row];
    auto& y = t.PinForceY[row];
    PutPins(x, y, 0, parts.pins.Get(row));
    PutPins(x, y, kRotatedOffset, parts.turned.Get(row));
    // Column 0 holds no force; it is turned as the others are.
    Turned(x[0], y[0], k.cosBack[row], k.sinBack[row], x[kRotatedOffset], y[kRotatedOffset], faults);
  }
}

}  // namespace

int StoreForces(const EngineDesignRecord& d, CrankAngleTable& t, int last) {
  TableParts parts;
  const int faults = FormRows(FiguresOf(d), t, parts, last);
  PutRows(t, parts, last);
  return faults;
}

}  // namespace zorvan
