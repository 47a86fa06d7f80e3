// Placeholder bodies; replaced by the engine presets.
#include "core/presets.h"
#include "core/runtime_error.h"
namespace zorvan {
const std::string& PresetText(int) { RaiseError(51); }
bool ApplyPreset(EngineDesignRecord&, int, Ui&) { return false; }
bool LoadExample(EngineDesignRecord&, int, Ui&) { return false; }
}  // namespace zorvan
