// One row of a vee, opposed or W engine. Each bank's reciprocating forces and
// moments act along its own cylinder axis, at the crank angle measured from
// that axis (theta - tilt); the rotating masses and counterweights of the
// throws join the engine slot once.
#include "core/assembly_rows.h"

namespace zorvan {

namespace {

struct BankValues {
  float primaryForce, primaryMoment, secondaryForce, secondaryMoment;
};

[[gnu::always_inline]] inline BankValues AlongBankAxis(const RowContext& x, const AngleMultiples& u, const SetSums& s) {
  const double recip = x.reciprocating, rSecondary = x.radiusOverLength * x.reciprocating;
  return {EngineValue(recip * (s.C[1] * u.c[1] + s.S[1] * u.s[1])),
          EngineValue(recip * (s.CZ[1] * u.c[1] + s.SZ[1] * u.s[1])),
          EngineValue(rSecondary * (s.C[2] * u.c[2] + s.S[2] * u.s[2])),
          EngineValue(rSecondary * (s.CZ[2] * u.c[2] + s.SZ[2] * u.s[2]))};
}

// A part of a finite value: no overflow to check, only the zeroing.
inline float Share(double tilt, float value) {
  const float f = static_cast<float>(tilt * value);
  return std::fabs(f) < kEngineZero ? 0.0f : f;
}

// A bank's values resolved onto the engine's x and y (|cos|, |sin| <= 1).
[[gnu::always_inline]] inline SlotValues Resolved(float primary, float secondary, float cosTilt, float sinTilt) {
  SlotValues v;
  v.primary = {Share(cosTilt, primary), Share(sinTilt, primary)};
  v.secondary = {Share(cosTilt, secondary), Share(sinTilt, secondary)};
  return WithTotal(v);
}

// Running sums of the bank slots, before the engine slot is stored.
struct SlotSum {
  Planar primary, secondary, total;
  void Add(const SlotValues& v) {
    primary.x += v.primary.x;
    primary.y += v.primary.y;
    secondary.x += v.secondary.x;
    secondary.y += v.secondary.y;
    total.x += v.total.x;
    total.y += v.total.y;
  }
  // The engine slot: the banks plus the throws' rotating part.
  SlotValues Engine(const Planar& rotating) const {
    SlotValues v;
    v.primary = {EngineValue(primary.x + rotating.x), EngineValue(primary.y + rotating.y)};
    v.secondary = {EngineValue(secondary.x), EngineValue(secondary.y)};
    v.total = {EngineValue(total.x + rotating.x), EngineValue(total.y + rotating.y)};
    return v;
  }
};

}  // namespace

void BankRow(EngineDesignRecord& d, int row, const RowContext& x) {
  const AngleMultiples& a = CrankMultiples(row);
  auto& forces = d.table.ShakingForce[row];
  auto& moments = d.table.ShakingMoment[row];
  SlotSum forceSum, momentSum;
  double inertia = 0;
  for (int b = 1; b <= x.banks; ++b) {
    // cos and sin of u = theta - tilt
    const double cosU = a.c[1] * x.cosTilt[b] + a.s[1] * x.sinTilt[b];
    const double sinU = a.s[1] * x.cosTilt[b] - a.c[1] * x.sinTilt[b];
    const AngleMultiples u = MultiplesOf(cosU, sinU);
    const BankValues v = AlongBankAxis(x, u, x.sets[b]);
    const SlotValues force = Resolved(v.primaryForce, v.secondaryForce, d.BankCos[b], d.BankSin[b]);
    const SlotValues moment = Resolved(v.primaryMoment, v.secondaryMoment, d.BankCos[b], d.BankSin[b]);
    PutSlot(forces, b, force);
    PutSlot(moments, b, moment);
    forceSum.Add(force);
    momentSum.Add(moment);
    inertia += InertiaShape(u, x.sets[b], x.half);
  }
  const SetSums& all = x.sets[0];
  PutSlot(forces, 0, forceSum.Engine(RotatingPart(x, a, all.C[1], all.S[1])));
  PutSlot(moments, 0, momentSum.Engine(RotatingPart(x, a, all.CZ[1], all.SZ[1])));
  d.table.InertiaTorque[row] = EngineValue(inertia * x.inertiaTorque);
}

}  // namespace zorvan
