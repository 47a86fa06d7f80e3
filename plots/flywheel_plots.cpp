#include "plots/flywheel_plots.h"

namespace zorvan {

PlotModel FlywheelTorquePlot(const EngineDesignRecord& d, bool withFlywheel, const PlotOverlay* overlay) {
  PlotSelection s;
  Set_Variable(s, PlotFunction(withFlywheel ? 19 : 7).shortName, 1);
  Set_Component(s, "Mag", 1);
  s.FunctionCount = 1;
  PlotModel m = BuildPlot(d, s, false, {}, overlay);
  m.header.clear();
  for (PlotWindow& w : m.windows) {
    w.title = withFlywheel ? "Torque With a Flywheel" : "Torque With No Flywheel";
    w.bottomTitle = "Crank Angle (0 to 720 Deg)";
  }
  return m;
}

}  // namespace zorvan
