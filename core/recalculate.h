#pragma once
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {
// Set speed, lumped masses, counterweight, one-cylinder pass, counterweight pass,
// multi-cylinder pass, flags. False when a step failed (already reported).
bool RecalculateAll(EngineDesignRecord& d, MessageList& messages);

// The same chain without resetting the counterweight: the engine is computed
// with the counterweight the design holds (as the configuration screen's
// Calculate does after the balancing screen has changed it).
bool RecalculateKeepingCounterweight(EngineDesignRecord& d, MessageList& messages);

// The one cylinder alone: speed, rods on the throw, counterweight (kept when
// the model file's balance results stand), the one-cylinder pass and the
// counterweight pass. Preparation faults are reported under `procedure`.
bool OneCylinderChain(EngineDesignRecord& d, MessageList& messages, const char* procedure);
// The assembled engine's results no longer stand (its configuration or the
// cylinder changed): its flags and the flywheel's go, and the columns the
// engine pass summed hold the one cylinder's again, by the one-cylinder and
// counterweight passes run afresh with the counterweight the design holds,
// so nothing shows the old engine's sums as the cylinder's. Nothing happens
// when no engine stands.
void WithdrawEngine(EngineDesignRecord& d, MessageList& messages);

// What an example load does: the entered shaft and the pressure trace
// forgotten, ApplyPreset, then recalculate-all.
bool LoadExample(EngineDesignRecord& d, int k, MessageList& messages);
}  // namespace zorvan
