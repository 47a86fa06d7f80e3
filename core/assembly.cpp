// The multi-cylinder pass: engine gas sums, harmonic sums, then the crank
// balance check and the engine's shaking forces, moments and torques row by
// row. It builds everything from the one-cylinder columns the counterweight
// pass kept, so running it twice gives the same engine as running it once.
#include "core/assembly.h"

#include "core/assembly_steps.h"
#include "core/banks.h"
#include "core/harmonics.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

void CheckEngineShape(const EngineDesignRecord& d) {
  if (d.NumCylinders < 1 || d.NumCylinders > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  if (d.Arrangement < 0 || d.Arrangement > 4) RaiseError(err::InvalidCall);
}

// The slots the rows of this engine do not write: above the banks (a single
// cylinder writes slots 0 and 1 of the force, an inline engine slot 0).
void ClearUnwrittenSlots(EngineDesignRecord& d) {
  const int written = d.Arrangement == 0 ? 0 : d.Arrangement == 1 ? 1 : d.Arrangement == 4 ? 4 : 3;
  ClearAllBut(d.table.ShakingForce, d.Arrangement == 0 ? 2 : written);
  ClearAllBut(d.table.ShakingMoment, written);
}

void ShakingRows(EngineDesignRecord& d) {
  if (d.Arrangement == 0) {
    SingleCylinderRows(d);
    return;
  }
  const RowContext x = MakeRowContext(d);
  const int faults = d.Arrangement == 1 ? InlineRows(d.table, x) : BankRows(d.table, x);
  if (faults != 0) RaiseError(err::Overflow);
}

// No engine stands: no part of one is left in the tables either. The
// columns the engine shares with the one cylinder hold the cylinder's again.
void ForgetEngine(CrankAngleTable& t) {
  t.ShakingForce = {};
  t.ShakingMoment = {};
  t.GasForce = t.SingleGasForce;
  t.GasTorque = t.SingleGasTorque;
  t.InertiaTorque = t.SingleInertiaTorque;
  t.FrictionTorque = t.SingleFrictionTorque;
}

void RunPass(EngineDesignRecord& d, MessageList& messages) {
  CheckEngineShape(d);
  const FiringDelays delays = ReadFiringDelays(d, messages);
  ClearUnwrittenSlots(d);
  try {
    EngineGasSums(d, delays);
    ComputeHarmonicSums(d);
    if (d.Arrangement > 1) FillBankAngleTable(d);
    ComputeAmplitudes(d);
    CheckCrankBalance(d, messages);
    ShakingRows(d);
    EngineTorques(d, delays);
  } catch (...) {
    ForgetEngine(d.table);
    throw;
  }
}

}  // namespace

bool MultiCylinderPass(EngineDesignRecord& d, MessageList& messages) {
  d.EngineResultsValid = false;
  d.FlywheelResultsValid = false;
  const bool ok = Guarded(messages, "Assemble_Engine", [&] { RunPass(d, messages); });
  if (ok) d.EngineResultsValid = true;
  return ok;
}

}  // namespace zorvan
