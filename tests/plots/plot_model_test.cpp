// The plot model: scales, ticks, curves and labels of the aligned and
// annotated windows, and the painter keeping every label inside its window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "core/startup.h"
#include "core/design.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/units.h"
#include "platform/recording_canvas.h"
#include "plots/plot_model.h"
#include "plots/plot_painter.h"
#include "plots/polar_frame.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

// A design whose gas force is a given series; nothing else is calculated.
std::unique_ptr<EngineDesignRecord> WithGasForce(double peak) {
  auto d = std::make_unique<EngineDesignRecord>();
  d->SingleResultsValid = true;
  d->UnitLabel[4] = "lb";
  for (int k = 0; k <= kLastRow; ++k) {
    d->table.CrankAngle[k] = 3.0f * k;
    d->table.GasForce[k] = static_cast<float>(peak * std::sin(k * 0.1));
  }
  d->table.GasForce[40] = static_cast<float>(peak);
  return d;
}

PlotSelection Slots(int windows, std::initializer_list<std::pair<int, int16_t>> slots) {
  PlotSelection s;
  s.WindowCount = static_cast<int16_t>(windows);
  int slot = 1;
  for (auto [f, c] : slots) {
    Set_Variable(s, PlotFunction(f).shortName, slot);
    Set_Component(s, kComponentTexts[c], slot++);
  }
  s.FunctionCount = static_cast<int16_t>(slots.size());
  return s;
}

TEST(PlotModel, AlignedWindowsFollowTheirScaleRules) {
  auto d = WithGasForce(10);
  PlotModel two = BuildPlot(*d, Slots(2, {{4, kCompMag}, {4, kCompMag}}), true);
  const PlotWindow& w = two.windows[0];
  EXPECT_NEAR(w.left, -115.2, 1e-9);
  EXPECT_NEAR(w.right, 748.8, 1e-9);
  EXPECT_NEAR(w.top, 11.4, 1e-5);
  EXPECT_NEAR(w.bottom, -14, 1e-5);
  const auto unlabelled = std::count_if(w.xTicks.begin(), w.xTicks.end(), [](auto& t) { return t.text.empty(); });
  EXPECT_EQ(unlabelled, 25);  // every 30 degrees, both ends included
  EXPECT_EQ(w.ymax, "10.0");
  EXPECT_EQ(w.ymin, "-10.0");
  PlotModel four = BuildPlot(*d, Slots(4, {{4, 2}, {4, 2}, {4, 2}, {4, 2}}), true);
  EXPECT_NEAR(four.windows[3].left, -129.6, 1e-9);
  EXPECT_NEAR(four.windows[3].bottom, -17, 1e-5);
  // Values between 0.5 and 0.9 are labelled with 3 decimals; a zero series gets r = 0.0001.
  EXPECT_EQ(BuildPlot(*WithGasForce(0.9), Slots(2, {{4, 2}, {4, 2}}), true).windows[0].ymax, "0.900");
  PlotModel zero = BuildPlot(*WithGasForce(0), Slots(2, {{4, 2}, {4, 2}}), true);
  EXPECT_FLOAT_EQ(zero.windows[0].r, 0.0001f);
  EXPECT_TRUE(zero.overflowMessage.empty());
}

// A value that barely changes is drawn flat, not stretched over the window.
TEST(PlotModel, NearlyConstantCurvesLookFlat) {
  PlotWindow w;
  NiceYAxis(w, 6427.5083, 6427.5088);
  EXPECT_GE(w.top - w.bottom, 6.4);
  EXPECT_LE(w.bottom, 6427.5083);
  EXPECT_GE(w.top, 6427.5088);
  NiceYAxis(w, -40, 960);  // a real variation keeps its own range
  EXPECT_EQ(w.bottom, -200);
  EXPECT_EQ(w.top, 1000);
}

TEST(PlotModel, OverflowLeavesTheWindowEmptyWithItsMessage) {
  PlotModel m = BuildPlot(*WithGasForce(1e38), Slots(2, {{4, 2}, {4, 2}}), true);
  EXPECT_TRUE(m.windows[0].overflow);
  EXPECT_TRUE(m.windows[0].curves.empty());
  EXPECT_EQ(m.overflowMessage.substr(0, 41), "The magnitude of F Gas exceeds the capaci");
  RecordingCanvas c;
  PaintPlot(c, m);  // labels only, no crash
}

// The engine's own columns, in the user's units, on every path.
TEST(PlotModel, CurvesAreTheDesignsColumnsWithTheirUnits) {
  MessageList told;
  auto d = std::make_unique<EngineDesignRecord>();
  Initialize(*d, told);
  ASSERT_TRUE(LoadExample(*d, 5, told));
  PlotSelection s = Slots(1, {{15, kCompX}, {1, kCompMag}, {15, kCompAng}});
  PlotModel multi = BuildPlot(*d, s, false);
  const auto& curves = multi.windows[0].curves;
  ASSERT_EQ(curves.size(), 3u);
  EXPECT_EQ(curves[0].legend, "F Shake All X (lb)");
  EXPECT_EQ(curves[1].legend, "Position Mag (in)");
  EXPECT_EQ(curves[2].legend, "F Shake All Ang (Deg)");
  EXPECT_EQ(curves[0].pen.dash, Dash::Solid);
  EXPECT_EQ(curves[1].pen.dash, Dash::Dashed);
  EXPECT_EQ(curves[2].pen.dash, Dash::Dotted);
  for (int k = 0; k <= kLastRow; ++k) {
    EXPECT_EQ(curves[0].y[k], d->table.ShakingForce[k][ShakingColumn(0, kX, kTotal)]);
    EXPECT_EQ(curves[1].y[k], d->table.PistonPosition[k]);
  }
  PlotSelection angles = Slots(2, {{15, kCompAng}, {12, kCompAng}});
  EXPECT_EQ(BuildPlot(*d, angles, true).windows[1].unit, "Deg");
  EXPECT_EQ(BuildPlot(*d, angles, false).windows[1].title, "Mainpin Force F21 (Deg)");
  EXPECT_NE(PlotCsv(multi).find("\"F Shake All Ang (Deg)\""), std::string::npos);
  // The assembled engine's sums say so on the picture; the data keeps the plain heading.
  const PlotModel sums = BuildPlot(*d, Slots(2, {{4, kCompMag}, {7, kCompMag}}), false);
  EXPECT_EQ(sums.windows[0].title, "Gas Force (engine sum) (lb)");
  EXPECT_EQ(BuildPlot(*d, Slots(1, {{7, kCompMag}}), false).windows[0].curves[0].legend,
            "T Total (engine sum) Mag (lb-in)");
  EXPECT_EQ(PlotCsv(sums).substr(0, 50), "Crank Angle (Deg),\"F Gas Mag (lb)\",\"T Total Mag (l");
  EXPECT_EQ(BuildPlot(*d, Slots(2, {{4, 2}, {5, 2}}), true).windows[0].leftTitle, "F Gas (engine sum)");
  // Piston position in millimetres in unit system 5.
  ConvertDesign(*d, 1, 5);
  d->UnitSystem = 5;
  SetUnitLabels(*d);
  ASSERT_TRUE(Engine_Data(*d, told) && RecalculateAll(*d, told));
  PlotModel mm = BuildPlot(*d, Slots(1, {{1, kCompMag}}), false);
  EXPECT_EQ(mm.windows[0].curves[0].y[7], static_cast<float>(1000.0 * d->table.PistonPosition[7]));
  EXPECT_EQ(mm.windows[0].curves[0].legend, "Position Mag (mm)");
}

// A second design drawn over the first: its own columns, dashed in the
// overlay's colours on a shared scale, both named; the engine with its shafts
// over without them overlays only the shaking results.
TEST(PlotModel, OverlaysDrawTheSecondDesignBesideEachCurve) {
  MessageList told;
  auto a = std::make_unique<EngineDesignRecord>(), b = std::make_unique<EngineDesignRecord>();
  Initialize(*a, told);
  Initialize(*b, told);
  ASSERT_TRUE(LoadExample(*a, 2, told) && LoadExample(*b, 5, told));
  const PlotOverlay other{b.get(), "four.zrv", "v8.zrv", false};
  const PlotModel two = BuildPlot(*a, Slots(2, {{15, kCompMag}, {7, kCompMag}}), true, {}, &other);
  ASSERT_EQ(two.windows[0].curves.size(), 2u);
  const PlotCurve& second = two.windows[0].curves[1];
  EXPECT_EQ(second.pen.dash, Dash::Dashed);
  EXPECT_EQ(second.pen.colour, OverlayPen(0).colour);
  EXPECT_TRUE(second.name.starts_with("v8.zrv: ")) << second.name;
  EXPECT_EQ(two.overlayLegend, "A: four.zrv     B (dashed, own colours): v8.zrv");
  EXPECT_GE(two.windows[0].r, CartesianMax(second.y, 0, kLastRow));  // one scale for both
  const PlotModel one = BuildPlot(*a, Slots(1, {{7, kCompMag}}), false, {}, &other);
  EXPECT_EQ(one.windows[0].curves[1].y[9], b->table.TotalTorque[9]);
  const PlotOverlay shaking{b.get(), "with shafts", "without shafts", true};
  EXPECT_EQ(BuildPlot(*a, Slots(2, {{15, kCompMag}, {7, kCompMag}}), true, {}, &shaking).windows[1].curves.size(), 1u);
  EXPECT_EQ(BuildPlot(*a, Slots(1, {{7, kCompMag}}), false).overlayLegend, "");
}

// At a small and a large size every label lies inside the window it belongs to.
TEST(PlotPainter, LabelsStayInsideTheirWindows) {
  MessageList told;
  auto d = std::make_unique<EngineDesignRecord>();
  Initialize(*d, told);
  ASSERT_TRUE(LoadExample(*d, 5, told));
  for (bool aligned : {true, false}) {
    for (auto [w, h] : {std::pair{300.0, 200.0}, {1920.0, 1080.0}}) {
      RecordingCanvas c(1e30, w, h);
      PaintPlot(c, BuildPlot(*d, Slots(4, {{7, 2}, {12, 0}, {15, 2}, {18, 3}}), aligned));
      double vx = 0, vy = 0, vw = w, vh = h;
      for (const CanvasCall& call : c.calls) {
        if (call.kind == CanvasCall::Viewport) {
          if (call.c > 0) vx = call.a, vy = call.b, vw = call.c, vh = call.d;
          continue;
        }
        if (call.kind != CanvasCall::Text) continue;
        const double width = c.TextWidthPt(call.text, call.sizePt);
        const double left = call.align == Align::Left ? call.a : call.align == Align::Right ? call.a - width
                                                                                           : call.a - width / 2;
        EXPECT_GE(left, vx - 0.5) << call.text << " " << w;
        EXPECT_LE(left + width, vx + vw + 0.5) << call.text << " " << w;
        EXPECT_LE(call.b, vy + vh + 0.5) << call.text << " " << w;
        EXPECT_GE(call.b - call.sizePt * 0.7, vy - 0.5) << call.text << " " << w;
      }
    }
  }
}

TEST(PlotPainter, ThePointerReadsTheNearestRow) {
  auto d = WithGasForce(10);
  RecordingCanvas c(1e30, 800, 400);
  const PlotModel m = BuildPlot(*d, Slots(2, {{4, 2}, {4, 2}}), true);  // the areas read its rows
  const auto areas = PaintPlot(c, m, 30);
  ASSERT_EQ(areas.size(), 2u);
  const double at90 = areas[1].xLeftPt + (areas[1].xRightPt - areas[1].xLeftPt) * 90.0 / 720.0;
  EXPECT_EQ(PlotRowAt(areas, at90 + 1, areas[1].y + 10), 30);
  EXPECT_EQ(PlotRowAt(areas, at90, -5), -1);
  // The cursor's line stands where the pointer reads the row.
  const auto line = std::find_if(c.calls.begin(), c.calls.end(), [](const CanvasCall& k) {
    return k.kind == CanvasCall::Line && k.pen.dash == Dash::Dashed;
  });
  ASSERT_NE(line, c.calls.end());
  EXPECT_NEAR(line->a, at90, 0.01);
  // Each curve's value is read with its unit.
  ASSERT_FALSE(m.windows[0].curves[0].unit.empty());
  EXPECT_TRUE(std::any_of(c.calls.begin(), c.calls.end(), [&](const CanvasCall& k) {
    return k.text.starts_with("F Gas Mag: ") && k.text.ends_with(" " + m.windows[0].curves[0].unit);
  }));
}

}  // namespace
}  // namespace zorvan

namespace zorvan {
namespace {

TEST(PolarFrame, ScaleAxesAndTicks) {
  const PolarFrame f = MakePolarFrame(10, 10);
  EXPECT_NEAR(f.left, -11, 1e-9);
  EXPECT_NEAR(f.top, 11.15, 1e-9);
  EXPECT_EQ(f.lines.size(), 2u + 2 * 21);  // the axes, then 21 positions across each
  EXPECT_FLOAT_EQ(MakePolarFrame(0, 10).r, 0.0001f);
  EXPECT_TRUE(MakePolarFrame(3e38f, 10).overflow);
}

}  // namespace
}  // namespace zorvan
