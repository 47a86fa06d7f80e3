// Placeholder bodies; replaced by the one-cylinder pass.
#include "core/one_cylinder.h"
#include "core/runtime_error.h"
namespace zorvan {
SliderCrankResult SolveSliderCrank(double, double, double, double, double, double) { RaiseError(51); }
void FillGasForceCurve(const EngineDesignRecord&, Column&) { RaiseError(51); }
bool OneCylinderPass(EngineDesignRecord&, Ui&) { return false; }
}  // namespace zorvan
