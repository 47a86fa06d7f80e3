// One row of an inline engine: every cylinder along the one axis, the sums of
// all cylinders (set 0).
#include "core/assembly_rows.h"

namespace zorvan {

void InlineRow(EngineDesignRecord& d, int row, const RowContext& x) {
  const AngleMultiples& a = CrankMultiples(row);
  const SetSums& s = x.sets[0];
  const Planar rotatingForce = RotatingPart(x, a, s.C[1], s.S[1]);
  const Planar rotatingMoment = RotatingPart(x, a, s.CZ[1], s.SZ[1]);
  const double rSecondary = x.radiusOverLength * x.reciprocating;

  SlotValues force;
  force.primary = {EngineValue(x.reciprocating * (s.C[1] * a.c[1] + s.S[1] * a.s[1]) + rotatingForce.x),
                   EngineValue(rotatingForce.y)};
  force.secondary = {EngineValue(rSecondary * (s.C[2] * a.c[2] + s.S[2] * a.s[2])), 0.0f};
  SlotValues moment;
  moment.primary = {EngineValue(x.reciprocating * (s.CZ[1] * a.c[1] + s.SZ[1] * a.s[1]) + rotatingMoment.x),
                    EngineValue(rotatingMoment.y)};
  moment.secondary = {EngineValue(rSecondary * (s.CZ[2] * a.c[2] + s.SZ[2] * a.s[2])), 0.0f};

  PutSlot(d.table.ShakingForce[row], 0, WithTotal(force));
  PutSlot(d.table.ShakingMoment[row], 0, WithTotal(moment));
  d.table.InertiaTorque[row] = EngineValue(InertiaShape(a, s, x.half) * x.inertiaTorque);
}

}  // namespace zorvan
