// Placeholder body; replaced by the flywheel calculation.
#include "core/flywheel.h"
namespace zorvan {
bool FlywheelCalculation(EngineDesignRecord&, Ui&, FlywheelResult&) { return false; }
}  // namespace zorvan
