// The one-cylinder pass: one loop over the rows of the results table, each row
// first the crank angle and piston motion, then forces and torques.
#include "core/one_cylinder.h"

#include <cmath>

#include "core/checked.h"
#include "core/forces.h"
#include "core/kinematics.h"
#include "core/pressure_trace.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

bool NotNegative(float v) { return v >= 0; }  // false for NaN as well
bool Positive(float v) { return v > 0 && std::isfinite(v); }

// Refuses a design the pass cannot describe before anything is overwritten:
// more rows than the table holds; a cylinder without bore, stroke or rod, or
// one whose entries the derivation step could not take (it then leaves its
// earlier results in place); negative masses, friction or journals, which
// would turn losses into gains; a pressure trace that does not fit it.
void CheckDesign(const EngineDesignRecord& d) {
  if (d.LastStep > kLastRow) RaiseError(err::SubscriptOutOfRange);
  const bool geometry = Positive(d.Bore) && Positive(d.CylinderDisplacement) && Positive(d.LRRatio) &&
                        Positive(d.PistonArea) && Positive(d.CrankRadius) && Positive(d.ConrodLength);
  const bool masses = NotNegative(d.PistonMass) && NotNegative(d.ConrodMass) && NotNegative(d.CrankMass) &&
                      NotNegative(d.MassAtCrankpin) && NotNegative(d.MassAtWristpin) &&
                      NotNegative(d.RodMassAtCrankpin) && NotNegative(d.CrankMassAtCrankpin);
  const bool losses = NotNegative(d.FrictionCoefficient) && NotNegative(d.MainJournalDiameter) &&
                      NotNegative(d.CrankpinJournalDiameter);
  if (!(geometry && masses && losses)) RaiseError(err::InvalidCall);
  // The rod must reach from the crankpin to the cylinder axis at every angle.
  // (A linkage too large to subtract is left to the pass, which reports the overflow.)
  const double reach = static_cast<double>(d.ConrodLength) - d.CrankRadius;
  if (std::isfinite(reach) && !(reach > std::fabs(static_cast<double>(d.WristpinOffset))))
    throw RunTimeError(err::InvalidCall, "The linkage cannot close: the rod length less the crank radius must "
                                         "exceed the wristpin offset");
  if (d.StrokeCycle != 2 && d.StrokeCycle != 4) throw RunTimeError(err::InvalidCall, "StrokeCycle must be 2 or 4");
  if (d.RodsPerCrank < 1 || d.RodsPerCrank > kMaxCylinders)
    throw RunTimeError(err::InvalidCall, "RodsPerCrank must be 1 to 16");
  if (d.GasCurve < 1 || d.GasCurve > 2) throw RunTimeError(err::InvalidCall, "GasCurve must be 1 or 2");
  if (auto fault = PressureFault(d)) throw RunTimeError(err::InvalidCall, *fault);
}

// A design read from a model file keeps its flags while it is recomputed.
void BeginFlags(EngineDesignRecord& d) {
  if (!d.LoadedFromFile) {
    d.SingleResultsValid = false;
    d.BalanceResultsValid = false;
    d.EngineResultsValid = false;
  }
}

void EndFlags(EngineDesignRecord& d) {
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
    BeginFlags(d);
    EndFlags(d);
    return;
  }
  // A rod of length 0 is a division fault, found before anything is written.
  const float radiusOverLength = Sng(Div(d.CrankRadius, d.ConrodLength));
  const float halfRadiusOverLength = Sng(Div(d.CrankRadius, Chk(2.0 * d.ConrodLength)));
  CheckDesign(d);

  // The rows write slots 0 and 1 of the shaking force; the rest is cleared.
  ClearAllBut(d.table.ShakingForce, d.LastStep == kLastRow ? 2 : 0);
  ClearAllBut(d.table.ShakingMoment, 0);
  BeginFlags(d);
  d.RadiusOverLength = radiusOverLength;
  d.HalfRadiusOverLength = halfRadiusOverLength;
  FillGasForceCurve(d, d.table.GasForce);

  // First the piston's motion of every row, then the forces and torques it drives.
  const int faults = StoreKinematics(d, d.table, d.LastStep) + StoreForces(d, d.table, d.LastStep);
  if (faults != 0) RaiseError(err::Overflow);
  EndFlags(d);
}

}  // namespace

bool OneCylinderPass(EngineDesignRecord& d, MessageList& messages) {
  const bool ok = Guarded(messages, kOneCylinderProcedure, [&] { RunPass(d); });
  // A pass stopped part-way leaves a half-written table: nothing built on it
  // stands, and no shaking of an earlier design is left in it.
  if (!ok) {
    ClearResultFlags(d);
    d.table.ShakingForce = {};
    d.table.ShakingMoment = {};
  }
  return ok;
}

}  // namespace zorvan
