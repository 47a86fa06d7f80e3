// Placeholder bodies; replaced by the defaults and derivation step.
#include "core/design.h"
#include "core/runtime_error.h"
namespace zorvan {
void ResetToDefaults(EngineDesignRecord&) { RaiseError(51); }
void ResetCounterweight(EngineDesignRecord&) { RaiseError(51); }
void SetSpeed(EngineDesignRecord&) { RaiseError(51); }
bool Engine_Data(EngineDesignRecord&, Ui&) { return false; }
bool Initialize(EngineDesignRecord&, Ui&) { return false; }
}  // namespace zorvan
