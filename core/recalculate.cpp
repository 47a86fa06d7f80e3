// Placeholder: runs as much of the chain as exists.
#include "core/recalculate.h"
#include "core/design.h"
#include "core/one_cylinder.h"
namespace zorvan {
bool RecalculateAll(EngineDesignRecord& d, Ui& ui) { return OneCylinderPass(d, ui); }
}  // namespace zorvan
