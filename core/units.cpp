// Placeholder bodies; replaced by the unit systems.
#include "core/units.h"
#include "core/runtime_error.h"
namespace zorvan {
void SetUnitLabels(EngineDesignRecord&) { RaiseError(51); }
void SetDigitCounts(EngineDesignRecord&) { RaiseError(51); }
void ConvertDesign(EngineDesignRecord&, int16_t, int16_t) { RaiseError(51); }
std::string UnitSystemName(int16_t) { RaiseError(51); }
}  // namespace zorvan
