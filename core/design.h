#pragma once
// Defaults, start-up design and the derivation step of the one design.
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {

// The one cylinder a new design starts with, in unit system 1 (inches,
// pounds, blobs): its entries only, nothing derived. The record's own
// initial values hold the start-up options.
void WriteDefaultCylinder(EngineDesignRecord& d);

// Unit system 1 and the default one-cylinder data, then ResetCounterweight.
void ResetToDefaults(EngineDesignRecord& d);
void ResetCounterweight(EngineDesignRecord& d);
// Omega and OmegaSquared from SpeedTable[SpeedIndex]; an index outside 1..3 raises error 9.
void SetSpeed(EngineDesignRecord& d);
// ArrangementName and VeeAngleText of the arrangement (an opposed engine's banks lie at 180).
void RefreshArrangementTexts(EngineDesignRecord& d);
// Recomputes every derived field; failures reported under "Engine_Data". False on failure.
bool Engine_Data(EngineDesignRecord& d, MessageList& messages);
// For vee, opposed and W engines the crankpin carries RodsPerCrank rod big
// ends: RodMassAtCrankpin and MassAtCrankpin count them all.
void ApplyRodsPerThrow(EngineDesignRecord& d);
// Unit system `system` with its labels and digit counts; the values are taken as they are.
void UseUnitSystem(EngineDesignRecord& d, int16_t system);

}  // namespace zorvan
