#pragma once
#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {
// The multi-cylinder pass: engine gas sums, harmonic sums, shaking forces,
// moments and torques per row. Sets EngineResultsValid.
bool MultiCylinderPass(EngineDesignRecord& d, Ui& ui);
}  // namespace zorvan
