#pragma once
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {
// The multi-cylinder pass: engine gas sums, harmonic sums, shaking forces,
// moments and torques per row. Sets EngineResultsValid.
bool MultiCylinderPass(EngineDesignRecord& d, MessageList& messages);
}  // namespace zorvan
