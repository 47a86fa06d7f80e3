// The counterweight pass: the counterweight's force joins the one-cylinder
// shaking force and main-bearing force, and the friction torque is recomputed
// with the new bearing load.
#include "core/counterweight.h"

#include "core/checked.h"
#include "core/counterweight_force.h"
#include "core/forces.h"
#include "core/kinematics.h"
#include "core/numeric.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

// The counterweight force joins the shaking force and the main bearing, which
// is turned again into the crank's frame (column 9); friction follows the new
// bearing load.
ZORVAN_ROW_LOOP int AddCounterweight(const CylinderFigures& f, const CounterweightColumns& force,
                                     CrankAngleTable& __restrict t, int last) {
  const CrankColumns& k = Crank();
  Column& x = t.PinForceX.column(kMainBearing);
  Column& y = t.PinForceY.column(kMainBearing);
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const float fx = force.x[row], fy = force.y[row];
    AddCounterweightToShaking(t.ShakingForce, row, fx, fy, faults);
    x[row] = Single(static_cast<double>(x[row]) + fx, faults);
    y[row] = Single(static_cast<double>(y[row]) + fy, faults);
    Turned(x[row], y[row], k.cosBack[row], k.sinBack[row], t.PinForceX.column(kMainBearing + kRotatedOffset)[row],
           t.PinForceY.column(kMainBearing + kRotatedOffset)[row], faults);
    t.FrictionTorque[row] = FrictionOf(f, t.PinForceY.column(kWall)[row], t.PinForceX.column(kCrankpin)[row],
                                       t.PinForceY.column(kCrankpin)[row], x[row], y[row], k.sin1[row], k.cos1[row],
                                       faults);
  }
  return faults;
}

// The multi-cylinder pass sums the engine from these columns, never from the
// columns it overwrites.
void KeepOneCylinderColumns(CrankAngleTable& t) {
  t.SingleGasForce = t.GasForce;
  t.SingleGasTorque = t.GasTorque;
  t.SingleInertiaTorque = t.InertiaTorque;
  t.SingleFrictionTorque = t.FrictionTorque;
}

void RunPass(EngineDesignRecord& d) {
  if (d.LastStep > kLastRow) RaiseError(err::SubscriptOutOfRange);
  CounterweightColumns force;
  CounterweightForces(d, d.LastStep, force);
  if (AddCounterweight(FiguresOf(d), force, d.table, d.LastStep) != 0) RaiseError(err::Overflow);
  KeepOneCylinderColumns(d.table);
  d.BalanceResultsValid = true;
}

}  // namespace

bool CounterweightPass(EngineDesignRecord& d, Ui& ui) {
  return Guarded(ui, "Counterweight_Pass", [&] { RunPass(d); });
}

}  // namespace zorvan
