// The rows of a vee, opposed or W engine. Each bank's reciprocating forces and
// moments act along its own cylinder axis, at the crank angle measured from
// that axis (theta - tilt); the rotating masses and counterweights of the
// throws join the engine slot once.
#include "core/assembly_rows.h"

namespace zorvan {

namespace {

struct BankValues {
  float primaryForce, primaryMoment, secondaryForce, secondaryMoment;
};

[[gnu::always_inline]] inline BankValues AlongBankAxis(const RowContext& x, const AngleMultiples& u, const SetSums& s,
                                                       int& faults) {
  const double recip = x.reciprocating, rSecondary = x.radiusOverLength * x.reciprocating;
  return {EngineValue(recip * (s.C[1] * u.c[1] + s.S[1] * u.s[1]), faults),
          EngineValue(recip * (s.CZ[1] * u.c[1] + s.SZ[1] * u.s[1]), faults),
          EngineValue(rSecondary * (s.C[2] * u.c[2] + s.S[2] * u.s[2]), faults),
          EngineValue(rSecondary * (s.CZ[2] * u.c[2] + s.SZ[2] * u.s[2]), faults)};
}

// A part of a finite value: no overflow to check, only the zeroing.
[[gnu::always_inline]] inline float Share(double tilt, float value) {
  const float f = static_cast<float>(tilt * value);
  return std::fabs(f) < kEngineZero ? 0.0f : f;
}

// A bank's values resolved onto the engine's x and y (|cos|, |sin| <= 1).
[[gnu::always_inline]] inline SlotValues Resolved(float primary, float secondary, float cosTilt, float sinTilt,
                                                  int& faults) {
  SlotValues v;
  v.primary = {Share(cosTilt, primary), Share(sinTilt, primary)};
  v.secondary = {Share(cosTilt, secondary), Share(sinTilt, secondary)};
  return WithTotal(v, faults);
}

// Running sums of the bank slots, before the engine slot is stored.
struct SlotSum {
  Planar primary, secondary, total;
  [[gnu::always_inline]] void Add(const SlotValues& v) {
    primary.x += v.primary.x;
    primary.y += v.primary.y;
    secondary.x += v.secondary.x;
    secondary.y += v.secondary.y;
    total.x += v.total.x;
    total.y += v.total.y;
  }
  // The engine slot: the banks plus the throws' rotating part.
  [[gnu::always_inline]] SlotValues Engine(const Planar& rotating, int& faults) const {
    SlotValues v;
    v.primary = {EngineValue(primary.x + rotating.x, faults), EngineValue(primary.y + rotating.y, faults)};
    v.secondary = {EngineValue(secondary.x, faults), EngineValue(secondary.y, faults)};
    v.total = {EngineValue(total.x + rotating.x, faults), EngineValue(total.y + rotating.y, faults)};
    return v;
  }
};

// Every row: the banks in order, then the engine slot. Banks is a constant,
// so the bank loop unrolls and the row loop vectorises.
template <int Banks>
[[gnu::always_inline]] inline int AllBanks(const RowContext& x, CrankAngleTable& t) {
  const CrankColumns& k = Crank();
  const SetSums& all = x.sets[0];
  int faults = 0;
  for (int row = 0; row <= kLastRow; ++row) {
    const AngleMultiples a = CrankMultiplesOf(k, row);
    SlotSum forceSum, momentSum;
    double inertia = 0;
#pragma GCC unroll 3
    for (int b = 1; b <= Banks; ++b) {
      // cos and sin of u = theta - tilt
      const double cosU = a.c[1] * x.cosTilt[b] + a.s[1] * x.sinTilt[b];
      const double sinU = a.s[1] * x.cosTilt[b] - a.c[1] * x.sinTilt[b];
      const AngleMultiples u = MultiplesOf(cosU, sinU);
      const BankValues v = AlongBankAxis(x, u, x.sets[b], faults);
      const SlotValues force = Resolved(v.primaryForce, v.secondaryForce, x.bankCos[b], x.bankSin[b], faults);
      const SlotValues moment = Resolved(v.primaryMoment, v.secondaryMoment, x.bankCos[b], x.bankSin[b], faults);
      PutSlot(t.ShakingForce, b, row, force);
      PutSlot(t.ShakingMoment, b, row, moment);
      forceSum.Add(force);
      momentSum.Add(moment);
      inertia += InertiaShape(u, x.sets[b], x.half);
    }
    PutSlot(t.ShakingForce, 0, row, forceSum.Engine(RotatingPart(x, a, all.C[1], all.S[1]), faults));
    PutSlot(t.ShakingMoment, 0, row, momentSum.Engine(RotatingPart(x, a, all.CZ[1], all.SZ[1]), faults));
    t.InertiaTorque[row] = EngineValue(inertia * x.inertiaTorque, faults);
  }
  return faults;
}

// Every column lies in the one table, so the loop vectorises without overlap
// checks; the context is a copy of its own, which nothing the loop writes can touch.
ZORVAN_ROW_LOOP int BankColumns(const RowContext& context, CrankAngleTable& __restrict t) {
  const RowContext x = context;
  return x.banks == 3 ? AllBanks<3>(x, t) : AllBanks<2>(x, t);
}

}  // namespace

int BankRows(CrankAngleTable& t, const RowContext& x) { return BankColumns(x, t); }

}  // namespace zorvan
