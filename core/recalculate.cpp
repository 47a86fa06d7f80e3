// Recalculate-all: the whole calculation chain of the design, in order.
#include "core/recalculate.h"

#include "core/assembly.h"
#include "core/checked.h"
#include "core/counterweight.h"
#include "core/design.h"
#include "core/one_cylinder.h"
#include "core/presets.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

constexpr const char* kProcedure = "Recalculate_All";

bool RunPasses(EngineDesignRecord& d, MessageList& messages) {
  if (!OneCylinderPass(d, messages) || !CounterweightPass(d, messages) || !MultiCylinderPass(d, messages)) return false;
  d.SingleResultsValid = true;
  d.BalanceResultsValid = true;
  d.EngineResultsValid = true;
  return true;
}

// Speed, rods on the throw and the counterweight, as every pass needs them.
bool Prepare(EngineDesignRecord& d, MessageList& messages, bool resetCounterweight, const char* procedure) {
  return Guarded(messages, procedure, [&] {
    SetSpeed(d);
    ApplyRodsPerThrow(d);
    // A counterweight read from a model file with its balance results stands.
    if (resetCounterweight && !(d.LoadedFromFile && d.BalanceResultsValid)) ResetCounterweight(d);
  });
}

bool Chain(EngineDesignRecord& d, MessageList& messages, bool resetCounterweight) {
  return Prepare(d, messages, resetCounterweight, kProcedure) && RunPasses(d, messages);
}

}  // namespace

bool RecalculateAll(EngineDesignRecord& d, MessageList& messages) { return Chain(d, messages, true); }

bool RecalculateKeepingCounterweight(EngineDesignRecord& d, MessageList& messages) { return Chain(d, messages, false); }

bool OneCylinderChain(EngineDesignRecord& d, MessageList& messages, const char* procedure) {
  return Prepare(d, messages, true, procedure) && OneCylinderPass(d, messages) && CounterweightPass(d, messages);
}

void WithdrawEngine(EngineDesignRecord& d, MessageList& messages) {
  if (!d.EngineResultsValid) return;
  d.EngineResultsValid = false;
  d.FlywheelResultsValid = false;
  if (d.SingleResultsValid && OneCylinderPass(d, messages)) CounterweightPass(d, messages);
}

bool LoadExample(EngineDesignRecord& d, int k, MessageList& messages) {
  // An example is a new engine: a shaft entered for the old one does not fit
  // it, and a pressure trace measured on the old one does not belong to it.
  d.Shaft.reset();
  d.Pressure.reset();
  return ApplyPreset(d, k, messages) && RecalculateAll(d, messages);
}

}  // namespace zorvan
