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

// The counterweight force joins the main bearing, which is turned again into
// the crank's frame (column 9); friction follows the new bearing load.
int AddToMainBearing(const CylinderFigures& f, CrankAngleTable& t, int row, float fx, float fy) {
  const CrankColumns& k = Crank();
  auto& x = t.PinForceX[row];
  auto& y = t.PinForceY[row];
  int faults = 0;
  x[kMainBearing] = Single(static_cast<double>(x[kMainBearing]) + fx, faults);
  y[kMainBearing] = Single(static_cast<double>(y[kMainBearing]) + fy, faults);
  Turned(x[kMainBearing], y[kMainBearing], k.cosBack[row], k.sinBack[row], x[kMainBearing + kRotatedOffset],
         y[kMainBearing + kRotatedOffset], faults);
  t.FrictionTorque[row] = FrictionOf(f, y[kWall], x[kCrankpin], y[kCrankpin], x[kMainBearing], y[kMainBearing],
                                     k.sin1[row], k.cos1[row], faults);
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
  const CylinderFigures f = FiguresOf(d);
  int faults = 0;
  for (int row = 0; row <= d.LastStep; ++row) {
    AddCounterweightToShaking(d.table.ShakingForce[row], force.x[row], force.y[row], faults);
    faults += AddToMainBearing(f, d.table, row, force.x[row], force.y[row]);
  }
  if (faults != 0) RaiseError(err::Overflow);
  KeepOneCylinderColumns(d.table);
  d.BalanceResultsValid = true;
}

}  // namespace

bool CounterweightPass(EngineDesignRecord& d, Ui& ui) {
  return Guarded(ui, "Counterweight_Pass", [&] { RunPass(d); });
}

}  // namespace zorvan
