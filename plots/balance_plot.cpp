#include "plots/balance_plot.h"

#include <algorithm>
#include <cmath>

#include "core/numeric.h"
#include "plots/plot_selection.h"

namespace zorvan {

namespace {

constexpr double kDegree = 0.017453292522222223;

// The tips of a function's force over rows 0..LastStep, and their largest magnitude.
std::vector<std::pair<float, float>> Tips(const EngineDesignRecord& d, int function, float& largest) {
  PlotSelection s;
  s.SlotFunction[1] = static_cast<int16_t>(function);
  s.SlotComponent[1] = kCompMag;
  std::vector<std::pair<float, float>> tips;
  std::vector<float> magnitudes;
  for (int k = 0; k <= d.LastStep; ++k) {
    const auto [m, a] = Select_PolarVariable(d, s, k, 1);
    magnitudes.push_back(m);
    tips.emplace_back(static_cast<float>(m * std::cos(a * kDegree)), static_cast<float>(m * std::sin(a * kDegree)));
  }
  largest = magnitudes.empty() ? 0 : GlobalMax(magnitudes, magnitudes, 0, static_cast<int>(magnitudes.size()) - 1);
  return tips;
}

}  // namespace

BalancePlot BuildBalancePlot(const EngineDesignRecord& d, int mode) {
  BalancePlot p;
  const std::string& force = d.UnitLabel[kForceSlot];
  p.title = "Total Shaking Force  (" + force + ")";
  float r = 0;
  p.unbalanced = Tips(d, 20, r);
  p.frame = MakePolarFrame(r, 10);
  p.xmax = p.ymax = FNRoundStr(r, 0);
  p.xmin = p.ymin = FNRoundStr(-r, 0);
  if (mode == 2) {
    float largest = 0;
    p.balanced = Tips(d, 15, largest);
    p.maxText = FNRoundStr(largest, 0) + " (" + force + ")";
  }
  return p;
}

void PaintBalancePlot(Canvas& c, const BalancePlot& p) {
  c.Viewport(0, 0, 0, 0);
  c.Clear(palette::White);
  if (p.frame.overflow) return;
  c.Scale(p.frame.left, p.frame.top, p.frame.right, p.frame.bottom);
  const Pen axis{palette::Black, 0.75, Dash::Solid};
  for (const PlotSegment& s : p.frame.lines) c.Line(s.x1, s.y1, s.x2, s.y2, axis);
  auto curve = [&c](const std::vector<std::pair<float, float>>& tips, Rgb colour) {
    const Pen pen{colour, 1.0, Dash::Solid};
    for (std::size_t k = 1; k < tips.size(); ++k)
      c.Line(tips[k - 1].first, tips[k - 1].second, tips[k].first, tips[k].second, pen);
  };
  curve(p.unbalanced, palette::Blue);
  curve(p.balanced, palette::Green);
}

}  // namespace zorvan
