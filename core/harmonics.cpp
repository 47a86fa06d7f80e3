// Placeholder body; replaced by the harmonic sums.
#include "core/harmonics.h"
namespace zorvan {
void ComputeHarmonicSums(EngineDesignRecord& d) { d.HarmonicSums = {}; }
}  // namespace zorvan
