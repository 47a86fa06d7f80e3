#pragma once
// The balancing screen's polar comparison: the tips of the one cylinder's
// total shaking force before the counterweight (function 20, blue) and, once
// balanced, of the total shaking force with it (function 15, green), in a
// polar window scaled to the unbalanced force.
#include <string>
#include <utility>
#include <vector>

#include "core/design_record.h"
#include "platform/canvas.h"
#include "plots/polar_frame.h"

namespace zorvan {

struct BalancePlot {
  PolarFrame frame;
  std::string title;                   // pnl_LeftTitle(0): "Total Shaking Force  (lb)"
  std::string xmax, xmin, ymax, ymin;  // the window's ends
  std::vector<std::pair<float, float>> unbalanced, balanced;  // X and Y of each row's tip
  std::string maxText;                                        // pnl_Max: the balanced force's largest magnitude
};

// Mode 1 the unbalanced curve only, mode 2 both.
BalancePlot BuildBalancePlot(const EngineDesignRecord& d, int mode);
void PaintBalancePlot(Canvas& c, const BalancePlot& p);

}  // namespace zorvan
