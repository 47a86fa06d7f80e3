#pragma once
// Helpers of the shaking step shared by the inline and bank rows.
#include "core/assembly_steps.h"

namespace zorvan {

struct Planar {
  double x = 0, y = 0;
};

// Primary, secondary and total x and y of one slot, as stored.
struct FloatPair {
  float x = 0, y = 0;
};
struct SlotValues {
  FloatPair primary, secondary, total;
};

// The total of each component from the parts as stored, zeroed again.
inline SlotValues WithTotal(SlotValues v) {
  v.total = {EngineValue(static_cast<double>(v.primary.x) + v.secondary.x),
             EngineValue(static_cast<double>(v.primary.y) + v.secondary.y)};
  return v;
}

inline void PutSlot(std::array<float, kShakingColumns>& row, int slot, const SlotValues& v) {
  row[ShakingColumn(slot, kX, kPrimary)] = v.primary.x;
  row[ShakingColumn(slot, kY, kPrimary)] = v.primary.y;
  row[ShakingColumn(slot, kX, kSecondary)] = v.secondary.x;
  row[ShakingColumn(slot, kY, kSecondary)] = v.secondary.y;
  row[ShakingColumn(slot, kX, kTotal)] = v.total.x;
  row[ShakingColumn(slot, kY, kTotal)] = v.total.y;
}

// The rotating masses and the counterweights of the throws, which turn with
// the crank whatever the banks: sums C and S of cos and sin of the phases.
inline Planar RotatingPart(const RowContext& x, const AngleMultiples& a, double C, double S) {
  const double cosG = a.c[1] * x.cosCounterweight - a.s[1] * x.sinCounterweight;
  const double sinG = a.s[1] * x.cosCounterweight + a.c[1] * x.sinCounterweight;
  return {x.rotating * (C * a.c[1] + S * a.s[1]) + x.counterweight * (C * cosG + S * sinG),
          x.rotating * (C * a.s[1] - S * a.c[1]) + x.counterweight * (C * sinG - S * cosG)};
}

// The inertia torque of a set per unit amplitude, at the angle u of the
// crank from the set's cylinder axis.
inline double InertiaShape(const AngleMultiples& u, const SetSums& s, double h) {
  return h * (u.s[1] * s.C[1] - u.c[1] * s.S[1]) - (u.s[2] * s.C[2] - u.c[2] * s.S[2]) -
         3 * h * (u.s[3] * s.C[3] - u.c[3] * s.S[3]);
}

}  // namespace zorvan
