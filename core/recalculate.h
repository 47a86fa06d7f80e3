#pragma once
#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {
// Set speed, lumped masses, counterweight, one-cylinder pass, counterweight pass,
// multi-cylinder pass, flags. False when a step failed (already reported).
bool RecalculateAll(EngineDesignRecord& d, Ui& ui);
}  // namespace zorvan
