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

void ShakingRows(EngineDesignRecord& d) {
  if (d.Arrangement == 0) {
    SingleCylinderRows(d);
    return;
  }
  const RowContext x = MakeRowContext(d);
  for (int row = 0; row <= kLastRow; ++row) {
    if (d.Arrangement == 1)
      InlineRow(d, row, x);
    else
      BankRow(d, row, x);
  }
}

void RunPass(EngineDesignRecord& d, Ui& ui) {
  CheckEngineShape(d);
  const FiringDelays delays = ReadFiringDelays(d, ui);
  EngineGasSums(d, delays);
  ComputeHarmonicSums(d);

  d.table.ShakingForce = {};
  d.table.ShakingMoment = {};
  if (d.Arrangement > 1) FillBankAngleTable(d);
  ComputeAmplitudes(d);
  CheckCrankBalance(d, ui);
  ShakingRows(d);
  EngineTorques(d, delays);
}

}  // namespace

bool MultiCylinderPass(EngineDesignRecord& d, Ui& ui) {
  d.EngineResultsValid = false;
  d.FlywheelResultsValid = false;
  const bool ok = Guarded(ui, "Assemble_Engine", [&] { RunPass(d, ui); });
  if (ok) d.EngineResultsValid = true;
  return ok;
}

}  // namespace zorvan
