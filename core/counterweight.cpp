// Placeholder body; replaced by the counterweight pass.
#include "core/counterweight.h"
namespace zorvan {
bool CounterweightPass(EngineDesignRecord&, Ui&) { return false; }
}  // namespace zorvan
