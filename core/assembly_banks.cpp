// The rows of a vee, opposed or W engine. Each bank's reciprocating forces and
// moments act along its own cylinder axis, at the crank angle measured from
// that axis (theta - tilt); the rotating masses and counterweights of the
// throws join the engine slot once. The banks are worked one after the other
// over all rows, their parts summed row by row in bank order; then the engine
// slot.
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

// Running sums of the bank slots of every row, before the engine slot is stored.
struct SlotSums {
  std::array<double, kRows> px{}, py{}, sx{}, sy{}, tx{}, ty{};
  [[gnu::always_inline]] void Add(int row, const SlotValues& v) {
    px[row] += v.primary.x;
    py[row] += v.primary.y;
    sx[row] += v.secondary.x;
    sy[row] += v.secondary.y;
    tx[row] += v.total.x;
    ty[row] += v.total.y;
  }
  // The engine slot: the banks plus the throws' rotating part.
  [[gnu::always_inline]] SlotValues Engine(int row, const Planar& rotating, int& faults) const {
    SlotValues v;
    v.primary = {EngineValue(px[row] + rotating.x, faults), EngineValue(py[row] + rotating.y, faults)};
    v.secondary = {EngineValue(sx[row], faults), EngineValue(sy[row], faults)};
    v.total = {EngineValue(tx[row] + rotating.x, faults), EngineValue(ty[row] + rotating.y, faults)};
    return v;
  }
};
struct EngineSums {
  SlotSums force, moment;
  std::array<double, kRows> inertia{};
};

// Every column lies in the one table or the sums, so the loop vectorises
// without overlap checks.
ZORVAN_ROW_LOOP int OneBank(const RowContext& context, int b, CrankAngleTable& __restrict t, EngineSums& __restrict sums) {
  const RowContext x = context;  // a copy of its own: nothing the loop writes can touch it
  const CrankColumns& k = Crank();
  const SetSums& set = x.sets[b];
  const double cosTilt = x.cosTilt[b], sinTilt = x.sinTilt[b];
  int faults = 0;
  for (int row = 0; row <= kLastRow; ++row) {
    // cos and sin of u = theta - tilt
    const double cosU = k.cos1[row] * cosTilt + k.sin1[row] * sinTilt;
    const double sinU = k.sin1[row] * cosTilt - k.cos1[row] * sinTilt;
    const AngleMultiples u = MultiplesOf(cosU, sinU);
    const BankValues v = AlongBankAxis(x, u, set, faults);
    const SlotValues f = Resolved(v.primaryForce, v.secondaryForce, x.bankCos[b], x.bankSin[b], faults);
    const SlotValues m = Resolved(v.primaryMoment, v.secondaryMoment, x.bankCos[b], x.bankSin[b], faults);
    PutSlot(t.ShakingForce, b, row, f);
    PutSlot(t.ShakingMoment, b, row, m);
    sums.force.Add(row, f);
    sums.moment.Add(row, m);
    sums.inertia[row] += InertiaShape(u, set, x.half);
  }
  return faults;
}

ZORVAN_ROW_LOOP int EngineSlot(const RowContext& context, const EngineSums& __restrict sums, CrankAngleTable& __restrict t) {
  const RowContext x = context;  // a copy of its own: nothing the loop writes can touch it
  const CrankColumns& k = Crank();
  const SetSums& all = x.sets[0];
  int faults = 0;
  for (int row = 0; row <= kLastRow; ++row) {
    const AngleMultiples a = CrankMultiplesOf(k, row);
    PutSlot(t.ShakingForce, 0, row, sums.force.Engine(row, RotatingPart(x, a, all.C[1], all.S[1]), faults));
    PutSlot(t.ShakingMoment, 0, row, sums.moment.Engine(row, RotatingPart(x, a, all.CZ[1], all.SZ[1]), faults));
    t.InertiaTorque[row] = EngineValue(sums.inertia[row] * x.inertiaTorque, faults);
  }
  return faults;
}

}  // namespace

int BankRows(CrankAngleTable& t, const RowContext& x) {
  EngineSums sums;
  int faults = 0;
  for (int b = 1; b <= x.banks; ++b) faults += OneBank(x, b, t, sums);
  return faults + EngineSlot(x, sums, t);
}

}  // namespace zorvan
