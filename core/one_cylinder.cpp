// The one-cylinder pass: one loop over the rows of the results table, each row
// first the crank angle and piston motion, then forces and torques.
#include "core/one_cylinder.h"

#include <cmath>

#include "core/checked.h"
#include "core/forces.h"
#include "core/kinematics.h"
#include "shell/error_report.h"

namespace zorvan {

namespace {

bool NotNegative(float v) { return v >= 0; }  // false for NaN as well

// Refuses a design the pass cannot describe before anything is overwritten:
// more rows than the table holds, a cylinder without bore or stroke (a failed
// derivation leaves those at 0), or negative masses, friction or journals,
// which would turn losses into gains.
void CheckDesign(const EngineDesignRecord& d) {
  if (d.LastStep > kLastRow) RaiseError(err::SubscriptOutOfRange);
  const bool sound = d.PistonArea > 0 && d.CrankRadius > 0 && NotNegative(d.PistonMass) &&
                     NotNegative(d.ConrodMass) && NotNegative(d.CrankMass) &&
                     NotNegative(d.MassAtCrankpin) && NotNegative(d.MassAtWristpin) &&
                     NotNegative(d.RodMassAtCrankpin) && NotNegative(d.CrankMassAtCrankpin) &&
                     NotNegative(d.FrictionCoefficient) && NotNegative(d.MainJournalDiameter) &&
                     NotNegative(d.CrankpinJournalDiameter);
  if (!sound) RaiseError(err::InvalidCall);
}

void BeginPass(EngineDesignRecord& d) {
  d.table.ShakingForce = {};
  d.table.ShakingMoment = {};
  // A design read from a model file keeps its flags while it is recomputed.
  if (!d.LoadedFromFile) {
    d.SingleResultsValid = false;
    d.BalanceResultsValid = false;
    d.EngineResultsValid = false;
  }
}

void EndPass(EngineDesignRecord& d) {
  d.SingleResultsValid = true;
  if (!d.BalanceScreenHoldsResult) d.BalanceResultsValid = false;
  d.EngineResultsValid = false;
  d.FlywheelResultsValid = false;
}

void ClearResultFlags(EngineDesignRecord& d) {
  d.SingleResultsValid = false;
  d.BalanceResultsValid = false;
  d.EngineResultsValid = false;
  d.FlywheelResultsValid = false;
}

void RunPass(EngineDesignRecord& d) {
  if (d.LastStep < 0) {  // no rows: only the flags change
    BeginPass(d);
    EndPass(d);
    return;
  }
  CheckDesign(d);
  BeginPass(d);
  d.RadiusOverLength = Sng(Div(d.CrankRadius, d.ConrodLength));
  d.HalfRadiusOverLength = Sng(Div(d.CrankRadius, Chk(2.0 * d.ConrodLength)));
  FillGasForceCurve(d, d.table.GasForce);

  float degrees = -3.0f;  // a running single-precision sum, 0, 3, ... 720
  for (int row = 0; row <= d.LastStep; ++row) {
    degrees += 3.0f;
    const CrankRow crank = MakeCrankRow(degrees);
    StoreKinematics(d, row, crank);
    StoreForcesAndTorques(d, row, crank);
  }
  EndPass(d);
}

}  // namespace

bool OneCylinderPass(EngineDesignRecord& d, Ui& ui) {
  const bool ok = Guarded(ui, kOneCylinderProcedure, [&] { RunPass(d); });
  // A pass stopped part-way leaves a half-written table: nothing built on it stands.
  if (!ok) ClearResultFlags(d);
  return ok;
}

}  // namespace zorvan
