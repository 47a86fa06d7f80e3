// The rows of an inline engine: every cylinder along the one axis, the sums
// of all cylinders (set 0).
#include "core/assembly_rows.h"

namespace zorvan {

namespace {

ZORVAN_ROW_LOOP int InlineColumns(const RowContext& context, CrankAngleTable& __restrict t) {
  const RowContext x = context;  // a copy of its own: nothing the loop writes can touch it
  const CrankColumns& k = Crank();
  const SetSums& s = x.sets[0];
  const double rSecondary = x.radiusOverLength * x.reciprocating;
  int faults = 0;
  for (int row = 0; row <= kLastRow; ++row) {
    const AngleMultiples a = CrankMultiplesOf(k, row);
    const Planar rotatingForce = RotatingPart(x, a, s.C[1], s.S[1]);
    const Planar rotatingMoment = RotatingPart(x, a, s.CZ[1], s.SZ[1]);
    SlotValues f;
    f.primary = {EngineValue(x.reciprocating * (s.C[1] * a.c[1] + s.S[1] * a.s[1]) + rotatingForce.x, faults),
                 EngineValue(rotatingForce.y, faults)};
    f.secondary = {EngineValue(rSecondary * (s.C[2] * a.c[2] + s.S[2] * a.s[2]), faults), 0.0f};
    SlotValues m;
    m.primary = {EngineValue(x.reciprocating * (s.CZ[1] * a.c[1] + s.SZ[1] * a.s[1]) + rotatingMoment.x, faults),
                 EngineValue(rotatingMoment.y, faults)};
    m.secondary = {EngineValue(rSecondary * (s.CZ[2] * a.c[2] + s.SZ[2] * a.s[2]), faults), 0.0f};
    PutSlot(t.ShakingForce, 0, row, WithTotal(f, faults));
    PutSlot(t.ShakingMoment, 0, row, WithTotal(m, faults));
    t.InertiaTorque[row] = EngineValue(InertiaShape(a, s, x.half) * x.inertiaTorque, faults);
  }
  return faults;
}

}  // namespace

int InlineRows(CrankAngleTable& t, const RowContext& x) {
  return InlineColumns(x, t);
}

}  // namespace zorvan
