// The models of the power chart, the phasor diagrams and the polar plot: what
// each draws, read before anything is painted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/numeric.h"
#include "platform/recording_canvas.h"
#include "plots/phasors.h"
#include "plots/polar_plot.h"
#include "plots/power_chart.h"
#include "tests/support/engine_fixture.h"

namespace zorvan {
namespace {

std::vector<double> Starts(const PowerChartPanel& p) {
  std::vector<double> v;
  for (const PowerBar& b : p.bars) v.push_back(b.from);
  return v;
}

TEST(PowerChart, BarsRowsAndTheRightEdge) {
  auto d = testing::Example(2);  // inline 4, 0-180-180-0
  PowerChartModel m = BuildPowerChart(*d);
  EXPECT_EQ(Starts(m.charts[0]), (std::vector<double>{0, 360, 360, 0}));
  EXPECT_EQ(m.charts[0].title, "Phase Angles in Cylinder Order over 360 deg ");
  EXPECT_EQ(m.charts[2].title, "Firing Angles in Firing Order  over 720 deg ");
  EXPECT_EQ(m.charts[1].colour, palette::Cyan);
  // Chart 3 lists the firing angles in firing order, so they ascend.
  const std::vector<double> fired = Starts(m.charts[2]);
  EXPECT_TRUE(std::is_sorted(fired.begin(), fired.end()));

  d->NumCylinders = 16;
  for (int k = 1; k <= 16; ++k) d->FiringOrder[k] = static_cast<float>(k);
  d->FiringAngle[16] = 630;
  m = BuildPowerChart(*d);
  for (const PowerChartPanel& p : m.charts) {
    EXPECT_EQ(p.bars.size(), 16u);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.bottom, 512);
    EXPECT_EQ(p.marks.size(), 64u);
    EXPECT_EQ(p.marks[0].x1, 180);
  }
  const PowerBar& last = m.charts[1].bars.back();
  EXPECT_EQ(last.y, 16 + 32 * 15);
  EXPECT_EQ(last.from, 630);
  EXPECT_EQ(last.to, 810);
  EXPECT_EQ(last.shownTo, 760);
  // The quarter marks are drawn dash-dot-dot, the crank angles numbered under each chart.
  EXPECT_EQ(m.charts[0].angleTicks.size(), 5u);
  EXPECT_EQ(m.charts[2].angleTicks.back().at, 720);
  EXPECT_EQ(m.charts[2].angleTicks.back().text, "720");
  RecordingCanvas c;
  PaintPowerChart(c, m);
  EXPECT_TRUE(std::any_of(c.calls.begin(), c.calls.end(),
                          [](const CanvasCall& k) { return k.pen.dash == Dash::DashDotDot; }));
  EXPECT_EQ(std::count_if(c.calls.begin(), c.calls.end(), [](const CanvasCall& k) { return k.text == "540"; }), 3);
}

const PhasorDiagram& Diagram(const PhasorModel& m, int order, int set) {
  for (const PhasorDiagram& g : m.diagrams)
    if (g.order == order && g.set == set) return g;
  throw std::runtime_error("no diagram");
}

// The last arrow's head is where the polygon ends; the resultant is the table's.
void ExpectPolygonEndsAtSums(const EngineDesignRecord& d, const PhasorDiagram& g, int kind) {
  ASSERT_FALSE(g.arrows.empty());
  EXPECT_NEAR(g.arrows.back().x2, g.rx, 1e-9);
  EXPECT_NEAR(g.arrows.back().y2, g.ry, 1e-9);
  EXPECT_EQ(g.rx, d.HarmonicSums[g.order][kind][0][g.set]);
  EXPECT_EQ(g.ry, d.HarmonicSums[g.order][kind][1][g.set]);
}

TEST(Phasors, PolygonsCloseWhereTheSumsVanish) {
  auto i4 = testing::Example(2);
  const PhasorModel f4 = BuildPhasors(*i4, kPhasorForces);
  EXPECT_EQ(f4.sets, std::vector<int>{0});
  EXPECT_NEAR(Diagram(f4, 1, 0).length, 0, 1e-6);
  EXPECT_NEAR(Diagram(f4, 2, 0).length, 4, 1e-6);
  EXPECT_EQ(Diagram(f4, 2, 0).lengthText, "Resultant " + FNRoundStr(4, 2));
  EXPECT_EQ(Diagram(f4, 1, 0).arrows.size(), 4u);
  ExpectPolygonEndsAtSums(*i4, Diagram(f4, 2, 0), kPhasorForces);

  auto i6 = testing::Example(4);
  for (int kind : {kPhasorForces, kPhasorMoments}) {
    const PhasorModel m = BuildPhasors(*i6, kind);
    for (int n : {1, 2}) EXPECT_NEAR(Diagram(m, n, 0).length, 0, 1e-6) << kind << n;
  }

  auto v8 = testing::Example(5);
  const PhasorModel moments = BuildPhasors(*v8, kPhasorMoments), forces = BuildPhasors(*v8, kPhasorForces);
  EXPECT_EQ(moments.sets, (std::vector<int>{0, 1, 2}));
  for (int bank : {1, 2}) {
    EXPECT_GT(Diagram(moments, 1, bank).length, 0.5) << bank;
    EXPECT_NEAR(Diagram(forces, 2, bank).length, 0, 1e-6) << bank;
    EXPECT_EQ(Diagram(forces, 2, bank).arrows.size(), 4u);
    ExpectPolygonEndsAtSums(*v8, Diagram(moments, 1, bank), kPhasorMoments);
  }
}

// Vectors that lie on one another (a V8's cylinders 1 and 5 ...) share one label, readable at the usual size.
TEST(Phasors, CoincidingVectorsShareOneReadableLabel) {
  auto v8 = testing::Example(5);
  const PhasorModel m = BuildPhasors(*v8, kPhasorForces);
  std::vector<std::string> texts;
  for (const PhasorLabel& l : Diagram(m, 1, 0).labels) texts.push_back(l.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"1, 5", "2, 6", "3, 7", "4, 8"}));
  EXPECT_EQ(Diagram(m, 1, 1).labels.size(), 4u);  // one bank: no two alike
  RecordingCanvas c(1e30, 1280, 1024);
  PaintPhasors(c, m);
  const auto label = std::find_if(c.calls.begin(), c.calls.end(), [](const CanvasCall& k) { return k.text == "1, 5"; });
  ASSERT_NE(label, c.calls.end());
  EXPECT_GE(label->sizePt, 9);
}

TEST(PolarPlot, ModesFromTheCheckBoxes) {
  EXPECT_EQ(PolarModeFrom(true, false, kPolarBoth), kPolarEnvelope);
  EXPECT_EQ(PolarModeFrom(false, true, kPolarEnvelope), kPolarVectors);
  EXPECT_EQ(PolarModeFrom(true, true, kPolarNone), kPolarBoth);
  EXPECT_EQ(PolarModeFrom(false, false, kPolarVectors), kPolarVectors);
}

TEST(PolarPlot, PeakMeanAndData) {
  auto v8 = testing::Example(5);
  PlotSelection s;
  Set_Variable(s, "F Main", 1);
  const PolarPlotModel m = BuildPolarPlot(*v8, s, kPolarEnvelope);
  EXPECT_EQ(m.envelope.size(), 240u);
  EXPECT_TRUE(m.startPoint);
  EXPECT_TRUE(m.vectors.empty());
  // Peak, mean and window from the main-bearing columns themselves.
  double peak = 0, peakAngle = 0, sum = 0, reach = 0;
  for (int row = 0; row <= kLastRow; ++row) {
    const double x = v8->table.PinForceX[row][kMainBearing], y = v8->table.PinForceY[row][kMainBearing];
    if (std::hypot(x, y) > peak) peak = std::hypot(x, y), peakAngle = 3 * row;
    if (row < kLastRow) sum += std::hypot(x, y);
    reach = std::max({reach, std::fabs(x), std::fabs(y)});
  }
  EXPECT_NEAR(m.peak, peak, 1e-5 * peak);
  EXPECT_EQ(m.peakAngle, peakAngle);
  EXPECT_NEAR(m.mean, sum / kLastRow, 1e-5 * peak);
  EXPECT_NEAR(m.frame.r, reach, 1e-5 * peak);
  EXPECT_NEAR(m.x[17], v8->table.PinForceX[17][kMainBearing], 1e-5 * peak);
  EXPECT_NEAR(m.y[17], v8->table.PinForceY[17][kMainBearing], 1e-5 * peak);
  const std::string csv = PolarCsv(m);
  // The frame is named in the title and the headings.
  EXPECT_EQ(PolarTitle(m), "Mainpin Force F21, global frame (" + m.unit + ")");
  EXPECT_EQ(csv.substr(0, csv.find('\r')), "Crank Angle (Deg),\"F Main Global X (" + m.unit +
                                               ")\",\"F Main Global Y (" + m.unit + ")\",\"F Main Global Mag (" +
                                               m.unit + ")\",\"F Main Global Ang (Deg)\"");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 242);
  s.CoordinateSystem = 1;
  const PolarPlotModel turning = BuildPolarPlot(*v8, s, kPolarEnvelope);
  EXPECT_EQ(PolarTitle(turning), "Mainpin Force F21, rotating frame (" + m.unit + ")");
  EXPECT_NE(PolarCsv(turning).find("\"F Main Rotating X ("), std::string::npos);
}

}  // namespace
}  // namespace zorvan
