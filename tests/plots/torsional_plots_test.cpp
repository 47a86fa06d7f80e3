// The torsional pictures as models: the Campbell diagram's order lines, band
// and crossings, the mode shapes and the response plot's largest orders.
#include "plots/torsional_plots.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/shaft_model.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

TorsionalResult InlineSix(EngineDesignRecord& d) {
  ShaftTable stations = DefaultShaft(d, 1);
  stations.back().inertia = 40 * stations.front().inertia;
  return TorsionalAnalysis(d, stations, true);
}

TEST(TorsionalPlots, CampbellDiagram) {
  auto d = Example(4);
  const TorsionalResult r = InlineSix(*d);
  const PlotModel m = CampbellPlot(r);
  ASSERT_EQ(m.windows.size(), 1u);
  const PlotWindow& w = m.windows[0];
  ASSERT_EQ(w.bands.size(), 1u);
  EXPECT_EQ(w.bands[0].from, d->IdleRPM);
  EXPECT_EQ(w.bands[0].to, d->RedlineRPM);
  // Order lines drawn but not listed, f = q rpm / 60 at every speed of the x axis.
  const auto orderLines = std::count_if(w.curves.begin(), w.curves.end(), [](const PlotCurve& c) { return !c.listed; });
  EXPECT_EQ(orderLines, 24);
  const PlotCurve& third = w.curves[5];  // order 3
  EXPECT_NEAR(third.y.back(), 3 * m.crankAngle.back() / 60, 1e-3);
  EXPECT_GE(w.right, 1.1 * d->RedlineRPM);
  // Each crossing in the window is marked: a square for a major order, a circle for a minor one.
  for (const Crossing& c : r.crossings) {
    if (!c.inRange) continue;
    const auto mark = std::find_if(w.marks.begin(), w.marks.end(), [&](const PlotMark& k) {
      return k.x == c.speed && k.y == c.frequency && k.shape != MarkShape::None;
    });
    ASSERT_NE(mark, w.marks.end());
    EXPECT_EQ(mark->shape, c.major ? MarkShape::Square : MarkShape::Circle);
  }
}

TEST(TorsionalPlots, ModeShapesAndResponse) {
  auto d = Example(4);
  const TorsionalResult r = InlineSix(*d);
  const PlotModel modes = ModeShapePlot(r);
  EXPECT_EQ(modes.windows[0].curves.size(), 6u);  // seven stations, six elastic modes
  EXPECT_EQ(modes.windows[0].xTicks[6].text, "Flywheel");
  const std::vector<ResponseChoice> choices = ResponseChoices(r);
  EXPECT_EQ(choices.size(), 6u + 6u + 7u);  // torque and twist of six sections, seven amplitudes
  const ResponseChoice& peak = choices[PeakResponseChoice(r)];
  EXPECT_EQ(peak.index, r.peakTorque.section);
  const PlotModel response = ResponsePlot(*d, r, peak);
  const auto& curves = response.windows[0].curves;
  ASSERT_EQ(curves.size(), static_cast<std::size_t>(kPlottedOrders));
  EXPECT_FLOAT_EQ(curves[0].max, static_cast<float>(r.peakTorque.value));
  for (std::size_t k = 1; k < curves.size(); ++k) EXPECT_LE(curves[k].max, curves[k - 1].max);
  EXPECT_TRUE(ResponsePlotCsv(response).starts_with("speed (rpm),Order"));
}

}  // namespace
}  // namespace zorvan::testing
