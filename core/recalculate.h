#pragma once
#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {
// Set speed, lumped masses, counterweight, one-cylinder pass, counterweight pass,
// multi-cylinder pass, flags. False when a step failed (already reported).
bool RecalculateAll(EngineDesignRecord& d, Ui& ui);

// The same chain without resetting the counterweight: the engine is computed
// with the counterweight the design holds (as the configuration screen's
// Calculate does after the balancing screen has changed it).
bool RecalculateKeepingCounterweight(EngineDesignRecord& d, Ui& ui);

// The one cylinder alone: speed, rods on the throw, counterweight (kept when
// the model file's balance results stand), the one-cylinder pass and the
// counterweight pass. Preparation faults are reported under `procedure`.
bool OneCylinderChain(EngineDesignRecord& d, Ui& ui, const char* procedure);
// For vee, opposed and W engines the crankpin carries RodsPerCrank rod big
// ends: RodMassAtCrankpin and MassAtCrankpin count them all.
void ApplyRodsPerThrow(EngineDesignRecord& d);
}  // namespace zorvan
