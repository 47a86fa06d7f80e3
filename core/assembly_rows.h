#pragma once
// Helpers of the shaking step shared by the inline and bank rows. The rows
// are worked column by column: each helper is one row's arithmetic, inlined
// into loops over the rows that vectorise.
#include "core/assembly_steps.h"
#include "core/kinematics.h"
#include "core/row_math.h"

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
[[gnu::always_inline]] inline SlotValues WithTotal(SlotValues v, int& faults) {
  v.total = {EngineValue(static_cast<double>(v.primary.x) + v.secondary.x, faults),
             EngineValue(static_cast<double>(v.primary.y) + v.secondary.y, faults)};
  return v;
}

[[gnu::always_inline]] inline void PutSlot(ShakingTable& table, int slot, int row, const SlotValues& v) {
  table.column(ShakingColumn(slot, kX, kPrimary))[row] = v.primary.x;
  table.column(ShakingColumn(slot, kY, kPrimary))[row] = v.primary.y;
  table.column(ShakingColumn(slot, kX, kSecondary))[row] = v.secondary.x;
  table.column(ShakingColumn(slot, kY, kSecondary))[row] = v.secondary.y;
  table.column(ShakingColumn(slot, kX, kTotal))[row] = v.total.x;
  table.column(ShakingColumn(slot, kY, kTotal))[row] = v.total.y;
}

// The crank angle of a row: cos and sin of theta, 2 theta, 3 theta.
[[gnu::always_inline]] inline AngleMultiples CrankMultiplesOf(const CrankColumns& k, int row) {
  AngleMultiples a;
  a.c = {0, k.cos1[row], k.cos2[row], k.cos3[row]};
  a.s = {0, k.sin1[row], k.sin2[row], k.sin3[row]};
  return a;
}

// The rotating masses and the counterweights of the throws, which turn with
// the crank whatever the banks: sums C and S of cos and sin of the phases.
[[gnu::always_inline]] inline Planar RotatingPart(const RowContext& x, const AngleMultiples& a, double C, double S) {
  const double cosG = a.c[1] * x.cosCounterweight - a.s[1] * x.sinCounterweight;
  const double sinG = a.s[1] * x.cosCounterweight + a.c[1] * x.sinCounterweight;
  return {x.rotating * (C * a.c[1] + S * a.s[1]) + x.counterweight * (C * cosG + S * sinG),
          x.rotating * (C * a.s[1] - S * a.c[1]) + x.counterweight * (C * sinG - S * cosG)};
}

// The inertia torque of a set per unit amplitude, at the angle u of the
// crank from the set's cylinder axis.
[[gnu::always_inline]] inline double InertiaShape(const AngleMultiples& u, const SetSums& s, double h) {
  return h * (u.s[1] * s.C[1] - u.c[1] * s.S[1]) - (u.s[2] * s.C[2] - u.c[2] * s.S[2]) -
         3 * h * (u.s[3] * s.C[3] - u.c[3] * s.S[3]);
}

}  // namespace zorvan
