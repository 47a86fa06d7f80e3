// Placeholder body; replaced by the multi-cylinder pass.
#include "core/assembly.h"
namespace zorvan {
bool MultiCylinderPass(EngineDesignRecord&, Ui&) { return false; }
}  // namespace zorvan
