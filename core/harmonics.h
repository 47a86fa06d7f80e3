#pragma once
#include "core/design_record.h"

namespace zorvan {
// Rebuilds HarmonicSums from Arrangement, NumCylinders, PhaseAngle, CylinderSpacing.
void ComputeHarmonicSums(EngineDesignRecord& d);
}  // namespace zorvan
