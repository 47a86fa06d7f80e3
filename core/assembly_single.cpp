// A single-cylinder engine shakes as its one cylinder does: the engine slot
// and slot 1 hold the one-cylinder forces with the counterweight, rebuilt from
// the kept one-cylinder columns so that the pass can run any number of times.
#include "core/assembly_steps.h"
#include "core/counterweight_force.h"

namespace zorvan {

void SingleCylinderRows(EngineDesignRecord& d) {
  CrankAngleTable& t = d.table;
  for (int group : {kPrimary, kSecondary, kTotal}) {
    for (int component : {kX, kY}) {
      const Column& kept = t.SingleShakingForce.column(ShakingColumn(0, component, group));
      t.ShakingForce.column(ShakingColumn(0, component, group)) = kept;
      t.ShakingForce.column(ShakingColumn(1, component, group)) = kept;
    }
  }
  t.InertiaTorque = t.SingleInertiaTorque;
  CounterweightColumns force;
  CounterweightForces(d, kLastRow, force);
  int faults = 0;
  for (int row = 0; row <= kLastRow; ++row) AddCounterweightToShaking(t.ShakingForce, row, force.x[row], force.y[row], faults);
  if (faults != 0) RaiseError(err::Overflow);
}

}  // namespace zorvan
