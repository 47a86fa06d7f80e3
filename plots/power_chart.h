#pragma once
// The power chart: one row per cylinder, a bar over the 180 degrees of each
// power stroke, in three charts (phase angles doubled onto 0..720, firing
// angles in cylinder order, firing angles in firing order), beside the text of
// the firing arrangement. The model is numbers; one painter draws it.
#include <array>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/canvas.h"
#include "plots/plot_model.h"

namespace zorvan {

struct PowerBar {
  int cylinder = 0;    // the cylinder the row stands for
  double y = 0;        // the row's line; the bar hangs below it
  double from = 0, to = 0;  // the stroke, 180 degrees long
  double shownTo = 0;       // where the chart's right edge cuts it
};

struct PowerChartPanel {
  std::string title;
  Rgb colour;
  // The chart's user scale: x from left to right, y from top (0) down to bottom.
  double left = -70, right = 760, top = 0, bottom = 0;
  std::vector<PowerBar> bars;
  std::vector<PlotSegment> frames;  // row lines and their ticks, black
  std::vector<PlotSegment> marks;   // quarter marks, blue, dash-dot-dot
  std::vector<PlotTick> angleTicks;  // the crank-angle numbers under the chart, at the quarter marks
};

constexpr double kPowerRowPitch = 32, kPowerBarHeight = 32.0 / 3, kPowerTick = 32 / 2.5, kPowerStroke = 180;

struct PowerChartModel {
  std::array<PowerChartPanel, 3> charts;
  std::string arrangementText;  // the firing arrangement, printed beside the charts (CR line breaks, TAB columns)
};

// The three charts of the design's configuration; the caller adds the text.
PowerChartModel BuildPowerChart(const EngineDesignRecord& d);

// Draws the text on the left and the three charts, each below its title, on the right.
void PaintPowerChart(Canvas& c, const PowerChartModel& m);
// The parts on their own surfaces: the text (its TAB columns at fixed stops)
// and one chart filling the canvas.
void PaintPowerText(Canvas& c, const std::string& text);
void PaintPowerPanel(Canvas& c, const PowerChartPanel& p);

// Chart, row, cylinder, bar start and end, as CSV (CR LF).
std::string PowerChartCsv(const PowerChartModel& m);

}  // namespace zorvan
