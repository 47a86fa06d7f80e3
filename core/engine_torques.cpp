// The engine's torques after the shaking step: total and shaking torque from
// the summed gas torque and the engine inertia torque, and the friction of
// every cylinder, each delayed by its firing angle as its gas torque is.
#include "core/assembly_steps.h"
#include "core/pressure_trace.h"

namespace zorvan {

void EngineTorques(EngineDesignRecord& d, const FiringDelays& delays) {
  CrankAngleTable& t = d.table;
  // A cylinder with its own pressure has its own friction, summed with its gas torque.
  if (!PerCylinderPressure(d)) SumDelayed(t.SingleFrictionTorque, t.FrictionTorque, delays);
  for (int row = 0; row <= kLastRow; ++row) {
    t.TotalTorque[row] = Sng(static_cast<double>(t.GasTorque[row]) + t.InertiaTorque[row]);
    t.ShakingTorque[row] = -t.InertiaTorque[row];
  }
}

}  // namespace zorvan
