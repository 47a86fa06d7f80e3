// The counterweight pass: the counterweight's force joins the one-cylinder
// shaking force and main-bearing force, and the friction torque is recomputed
// with the new bearing load.
#include "core/counterweight.h"

#include <array>
#include <cmath>

#include "core/checked.h"
#include "core/counterweight_force.h"
#include "core/forces.h"
#include "core/kinematics.h"
#include "core/numeric.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

// cos and sin of the crank angle of each row, and of the turn through minus
// that angle into the crank's frame, formed as the one-cylinder pass and
// Rotate form them so that the columns agree to the last bit.
struct RowTurn {
  double cosTheta, sinTheta, cosBack, sinBack;
};

std::array<RowTurn, kRows> MakeRowTurns() {
  std::array<RowTurn, kRows> turns{};
  for (int row = 0; row < kRows; ++row) {
    const CrankRow& k = CrankRowOf(row);
    turns[row] = {k.cos1, k.sin1, k.cosBack, k.sinBack};
  }
  return turns;
}

const RowTurn& TurnOf(int row) {
  static const std::array<RowTurn, kRows> turns = MakeRowTurns();
  return turns.at(row);
}

void AddToMainBearing(EngineDesignRecord& d, int row, float fx, float fy) {
  auto& x = d.table.PinForceX.at(row);
  auto& y = d.table.PinForceY.at(row);
  x[kMainBearing] = Sng(static_cast<double>(x[kMainBearing]) + fx);
  y[kMainBearing] = Sng(static_cast<double>(y[kMainBearing]) + fy);
  // Rotate(column 4, minus the crank angle) into column 9.
  const RowTurn& t = TurnOf(row);
  RotateCosSin(x[kMainBearing], y[kMainBearing], t.cosBack, t.sinBack, x[kMainBearing + kRotatedOffset],
               y[kMainBearing + kRotatedOffset]);
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
    d.table.FrictionTorque.at(row) = FrictionTorqueOf(d, row, TurnOf(row).sinTheta, TurnOf(row).cosTheta);
  });
  KeepOneCylinderColumns(d.table);
  d.BalanceResultsValid = true;
}

}  // namespace

bool CounterweightPass(EngineDesignRecord& d, Ui& ui) {
  return Guarded(ui, "Counterweight_Pass", [&] { RunPass(d); });
}

}  // namespace zorvan
