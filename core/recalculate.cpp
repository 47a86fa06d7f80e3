// Recalculate-all: the whole calculation chain of the design, in order.
#include "core/recalculate.h"

#include "core/assembly.h"
#include "core/checked.h"
#include "core/counterweight.h"
#include "core/design.h"
#include "core/one_cylinder.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

constexpr const char* kProcedure = "Recalculate_All";

bool RunPasses(EngineDesignRecord& d, Ui& ui) {
  if (!OneCylinderPass(d, ui) || !CounterweightPass(d, ui) || !MultiCylinderPass(d, ui)) return false;
  d.SingleResultsValid = true;
  d.BalanceResultsValid = true;
  d.EngineResultsValid = true;
  return true;
}

// Speed, rods on the throw and the counterweight, as every pass needs them.
bool Prepare(EngineDesignRecord& d, Ui& ui, bool resetCounterweight, const char* procedure) {
  return Guarded(ui, procedure, [&] {
    SetSpeed(d);
    ApplyRodsPerThrow(d);
    // A counterweight read from a model file with its balance results stands.
    if (resetCounterweight && !(d.LoadedFromFile && d.BalanceResultsValid)) ResetCounterweight(d);
  });
}

bool Chain(EngineDesignRecord& d, Ui& ui, bool resetCounterweight) {
  return Prepare(d, ui, resetCounterweight, kProcedure) && RunPasses(d, ui);
}

}  // namespace

void ApplyRodsPerThrow(EngineDesignRecord& d) {
  if (d.Arrangement <= 1) return;
  d.RodMassAtCrankpin = Sng(Chk(static_cast<double>(d.RodsPerCrank) * d.ConrodMassAtCrankpin));
  d.MassAtCrankpin = Sng(static_cast<double>(d.CrankMassAtCrankpin) + d.RodMassAtCrankpin);
}

bool RecalculateAll(EngineDesignRecord& d, Ui& ui) { return Chain(d, ui, true); }

bool RecalculateKeepingCounterweight(EngineDesignRecord& d, Ui& ui) { return Chain(d, ui, false); }

bool OneCylinderChain(EngineDesignRecord& d, Ui& ui, const char* procedure) {
  return Prepare(d, ui, true, procedure) && OneCylinderPass(d, ui) && CounterweightPass(d, ui);
}

}  // namespace zorvan
