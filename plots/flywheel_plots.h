#pragma once
// The flywheel screen's two torque plots: the engine's total torque, and the
// torque a flywheel of the chosen coefficient leaves, each an annotated
// window over the crank angle.
#include "core/design_record.h"
#include "plots/plot_model.h"

namespace zorvan {

// "Torque With No Flywheel" (function 7) or "Torque With a Flywheel" (function
// 19), with the overlay's curve where its design offers the function.
PlotModel FlywheelTorquePlot(const EngineDesignRecord& d, bool withFlywheel, const PlotOverlay* overlay = nullptr);

}  // namespace zorvan
