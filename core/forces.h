#pragma once
// Forces and torques of one cylinder over the rows of the one-cylinder pass,
// from the two-mass model: MassAtCrankpin rotates, MassAtWristpin reciprocates.
// x lies along the cylinder axis (towards the head), y across it. Each row's
// figures come from a kernel without branches; the loops count the results
// beyond the float range and the pass raises the overflow once.
#include <cmath>

#include "core/design_record.h"
#include "core/kinematics.h"
#include "core/row_math.h"

namespace zorvan {

// One-cylinder and counterweight results below this size are stored as 0.
constexpr float kOneCylinderZero = 0.015f;

// v, or exactly 0 when |v| < threshold; the comparison is made in single precision.
inline float ZeroBelow(float v, float threshold) { return std::fabs(v) < threshold ? 0.0f : v; }

// A one-cylinder result as stored: single precision, zeroed below the threshold.
[[gnu::always_inline]] inline float Zeroed(double v, int& faults) {
  faults += OutOfFloat(v);
  return ZeroBelow(static_cast<float>(v), kOneCylinderZero);
}

// A result stored in single precision.
[[gnu::always_inline]] inline float Single(double v, int& faults) {
  faults += OutOfFloat(v);
  return static_cast<float>(v);
}

// The figures of the cylinder every row uses, read once before the rows.
struct CylinderFigures {
  double r, mB, pistonMass, mu, half, radiusOverLength;
  double primaryX, secondaryX, primaryY;  // shaking amplitudes along and across the axis
  double inertiaAmp;                      // of the inertia torque
  double rodRotating, crankRotating;      // rotating forces at the crankpin
  double crankpinJournal, mainJournal;
};
CylinderFigures FiguresOf(const EngineDesignRecord& d);

// Primary, secondary and total shaking force along x, primary across (y). The
// secondary across is 0 and the total across the primary. The totals are
// formed from the parts as stored, after their own zeroing.
struct ShakingRow {
  float primaryX, secondaryX, totalX, primaryY;
};
[[gnu::always_inline]] inline ShakingRow ShakingOf(const CylinderFigures& f, double cos1, double sin1,
                                                   double cos2, int& faults) {
  ShakingRow s;
  s.primaryX = Zeroed(f.primaryX * cos1, faults);
  s.secondaryX = Zeroed(f.secondaryX * cos2, faults);
  s.totalX = Zeroed(static_cast<double>(s.primaryX) + s.secondaryX, faults);
  s.primaryY = Zeroed(f.primaryY * sin1, faults);
  return s;
}

struct TorqueRow {
  float inertia, gas, total;
};
[[gnu::always_inline]] inline TorqueRow TorquesOf(const CylinderFigures& f, float gasForce, double cos1, double sin1,
                                                  double sin2, double sin3, int& faults) {
  const double h = f.half;
  const double inertiaShape = (h * sin1) - sin2 - (3 * h * sin3);
  TorqueRow t;
  t.inertia = Single(inertiaShape * f.inertiaAmp, faults);
  const double leverage = (f.radiusOverLength * cos1) + 1;
  t.gas = Single(((f.r * gasForce) * sin1) * leverage, faults);
  t.total = Single(static_cast<double>(t.gas) + t.inertia, faults);
  return t;
}

// Crankpin F32, wristpin F34, wall F41 and main bearing F21.
struct PinRow {
  float f32x, f32y, f34x, f34y, f41x, f41y, f21x, f21y;
};
[[gnu::always_inline]] inline PinRow PinForcesOf(const CylinderFigures& f, float gasForce, float acceleration,
                                                 double tanRod, double cos1, double sin1, int& faults) {
  const double g = -static_cast<double>(gasForce);
  const double aB = acceleration;
  // The load the rod carries along the axis: the gas and the force that
  // accelerates the reciprocating mass (positive: compression). The rod
  // passes it on along its length, so across the axis it is this times the
  // rod's lean, on the crankpin and the wall alike.
  const double axial = (f.mB * aB) - g;
  PinRow p;
  p.f32x = Single((f.rodRotating * cos1) - axial, faults);
  p.f32y = Single((f.rodRotating * sin1) - (axial * tanRod), faults);
  p.f34x = Single((f.pistonMass * aB) - g, faults);
  p.f34y = Single(axial * tanRod, faults);
  p.f41y = p.f34y;
  p.f41x = Single(-f.mu * p.f41y, faults);
  p.f21x = Single((f.crankRotating * cos1) + p.f32x, faults);
  p.f21y = Single((f.crankRotating * sin1) + p.f32y, faults);
  return p;
}

// The bearing and wall loss torque of a row from its pin forces: never
// positive while the friction coefficient and journal diameters are not negative.
[[gnu::always_inline]] inline float FrictionOf(const CylinderFigures& f, float f41y, float f32x, float f32y,
                                               float f21x, float f21y, double sinTheta, double cosTheta,
                                               int& faults) {
  // Float components squared in double cannot overflow, so the plain root is exact enough.
  const double f32 = std::sqrt(static_cast<double>(f32x) * f32x + static_cast<double>(f32y) * f32y);
  const double f21 = std::sqrt(static_cast<double>(f21x) * f21x + static_cast<double>(f21y) * f21y);
  // The wall loss is the side force times the piston's travel per radian of
  // crank; both change sign over the stroke, so its size is taken: friction
  // opposes the motion and never drives the crank.
  const double travel = (f.r * sinTheta) * ((f.radiusOverLength * cosTheta) + 1);
  const double wall = std::fabs(f41y * travel);
  const double journals = ((f.crankpinJournal * f32) / 2) + ((f.mainJournal * f21) / 2);
  return Single(-f.mu * (wall + journals), faults);
}

// The turn of a force through an angle of known cos and sin, as Rotate turns it.
[[gnu::always_inline]] inline void Turned(float x, float y, double cosPhi, double sinPhi, float& xOut, float& yOut,
                                          int& faults) {
  const double dx = x, dy = y;
  xOut = Single(dx * cosPhi - dy * sinPhi, faults);
  yOut = Single(dx * sinPhi + dy * cosPhi, faults);
}

// Shaking forces (slot 1 and the engine slot 0 of ShakingForce, slot 0 of
// SingleShakingForce), torques, pin forces 1..4, their turn into the crank's
// frame (5..9) and the friction torque of rows 0..last. Returns the number
// of results beyond the float range.
int StoreForces(const EngineDesignRecord& d, CrankAngleTable& t, int last);

}  // namespace zorvan
