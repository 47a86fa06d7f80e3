#pragma once
// The bar chart of the orders of crank speed: for each order the amplitude of
// every analysed result side by side, one chart per unit (the torques; the
// shaking force and the shaking moment), built from the order analysis and
// drawn through the canvas at the surface's own size.
#include <string>
#include <vector>

#include "core/orders.h"
#include "platform/canvas.h"
#include "plots/plot_model.h"

namespace zorvan {

struct BarSeries {
  std::string name;  // "Gas Torque"
  Rgb colour;
  std::vector<double> amplitudes;  // one a order, in the unit the user sees
};

struct OrdersChart {
  std::string title;                     // "Torque", "Total Shaking Force", ...
  std::string unit;                      // the y axis's unit
  std::vector<std::string> orderLabels;  // "0", "0.5", "1", ...
  std::vector<BarSeries> series;
  double top = 1;  // the y axis runs from 0 to top
  std::vector<PlotTick> yTicks;
};

// The charts of an analysis: the torques in one, the shaking force and the
// shaking moment in one each; columns without results are left out.
std::vector<OrdersChart> BuildOrdersCharts(const EngineDesignRecord& d, const std::vector<OrderColumn>& columns);

// Draws the charts stacked on the whole canvas.
void PaintOrdersCharts(Canvas& c, const std::vector<OrdersChart>& charts);

}  // namespace zorvan
