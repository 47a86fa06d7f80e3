// One cylinder of an engine whose cylinders each have their own pressure: its
// gas force, gas torque and friction torque, row by row, exactly as the
// one-cylinder and counterweight passes form them for the one cylinder.
#include "core/assembly_steps.h"
#include "core/counterweight_force.h"
#include "core/forces.h"
#include "core/kinematics.h"
#include "core/pressure_trace.h"

namespace zorvan {

namespace {

ZORVAN_ROW_LOOP int GasRows(const CylinderFigures& f, const CrankAngleTable& __restrict t,
                            const CounterweightColumns& counterweight, CylinderGas& __restrict out, int last) {
  const CrankColumns& k = Crank();
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const float gas = out.force[row];
    out.torque[row] = TorquesOf(f, gas, k.cos1[row], k.sin1[row], k.sin2[row], k.sin3[row], faults).gas;
    const PinRow p =
        PinForcesOf(f, gas, t.PistonAcceleration[row], t.TanConrodAngle[row], k.cos1[row], k.sin1[row], faults);
    // The main bearing carries the counterweight's force too, as the counterweight pass adds it.
    const float x = Single(static_cast<double>(p.f21x) + counterweight.x[row], faults);
    const float y = Single(static_cast<double>(p.f21y) + counterweight.y[row], faults);
    out.friction[row] = FrictionOf(f, p.f41y, p.f32x, p.f32y, x, y, k.sin1[row], k.cos1[row], faults);
  }
  return faults;
}

}  // namespace

void CylinderGasOf(const EngineDesignRecord& d, int cylinder, const CounterweightColumns& counterweight,
                   CylinderGas& out) {
  out = {};
  FillTraceForce(d, TraceColumnOf(*d.Pressure, cylinder), out.force);
  if (GasRows(FiguresOf(d), d.table, counterweight, out, d.LastStep) != 0) RaiseError(err::Overflow);
}

}  // namespace zorvan
