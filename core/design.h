#pragma once
// Defaults, start-up design and the derivation step of the one design.
#include "core/design_record.h"
#include "platform/ui.h"

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
bool Engine_Data(EngineDesignRecord& d, Ui& ui);
// Resets the whole record to the start-up design and derives it ("Initialize").
bool Initialize(EngineDesignRecord& d, Ui& ui);

}  // namespace zorvan
