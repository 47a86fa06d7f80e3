// The counterweight pass: the counterweight's force joins the one-cylinder
// shaking force and main-bearing force, and the friction torque is recomputed
// with the new bearing load.
#include "core/counterweight.h"

#include <cmath>

#include "core/checked.h"
#include "core/counterweight_force.h"
#include "core/forces.h"
#include "core/numeric.h"
#include "shell/error_report.h"

namespace zorvan {

namespace {

void AddToMainBearing(EngineDesignRecord& d, int row, float fx, float fy) {
  auto& x = d.table.PinForceX.at(row);
  auto& y = d.table.PinForceY.at(row);
  x[kMainBearing] = Sng(static_cast<double>(x[kMainBearing]) + fx);
  y[kMainBearing] = Sng(static_cast<double>(y[kMainBearing]) + fy);
  const int rotated = kMainBearing + kRotatedOffset;
  Rotate(x[kMainBearing], y[kMainBearing], 3.0f * row, -1, x[rotated], y[rotated]);
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
  ForEachCounterweightForce(d, d.LastStep, [&](int row, float fx, float fy) {
    AddCounterweightToShaking(d.table.ShakingForce.at(row), fx, fy);
    AddToMainBearing(d, row, fx, fy);
    const double theta = 3.0 * row * kPi / 180;
    d.table.FrictionTorque.at(row) = FrictionTorqueOf(d, row, std::sin(theta), std::cos(theta));
  });
  KeepOneCylinderColumns(d.table);
  d.BalanceResultsValid = true;
}

}  // namespace

bool CounterweightPass(EngineDesignRecord& d, Ui& ui) {
  return Guarded(ui, "Counterweight_Pass", [&] { RunPass(d); });
}

}  // namespace zorvan
