#pragma once
// A cartesian plot as numbers, before anything is drawn: for each window its
// scale, curves, axis and tick lines, labels and extremes, built from the
// plot selection and the design. The plot painter draws it on any canvas (the
// screen, PNG, SVG, PDF, the printer); tests read it.
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/canvas.h"
#include "plots/design_header.h"
#include "plots/plot_selection.h"

namespace zorvan {

// The check boxes of the annotated screens: grid lines and line styles.
struct PlotOptions {
  bool hGrid = false, vGrid = false;  // chk_HGrid "Horiz", chk_VGrid "Vertic"
  bool lines = true, sticks = false;  // chk_Line "Lines", chk_Sticks "Fills"
};

struct PlotCurve {
  std::string name;    // "short name component (unit)": the data's column heading
  std::string legend;  // what the window shows beside its pattern
  std::string unit;    // the values' unit, which the cursor shows after each value
  std::vector<float> y;  // one value per row, as the user sees it
  Pen pen;
  float max = 0, min = 0;
  bool listed = true;  // false: drawn only, without a legend, a cursor value or a data column
};

// A range of x shaded across the window (a running range), with its label
// inside at the top.
struct PlotBand {
  double from = 0, to = 0;
  Rgb colour = palette::Yellow;
  std::string label;
};
enum class MarkShape { None, Circle, Square };
// A point marked on the window (a filled square or an open circle, a few
// points across) with an optional label beside it, or a label alone.
struct PlotMark {
  double x = 0, y = 0;
  MarkShape shape = MarkShape::Circle;
  Rgb colour = palette::Black;
  std::string text;
  Align align = Align::Left;  // of a label alone: Left beside the point, Right ending at it, Centre above it
};

struct PlotSegment {
  double x1, y1, x2, y2;
};
struct PlotTick {
  double at;
  std::string text;  // empty: a tick without a label
};

struct PlotWindow {
  // The window's user scale (y upwards): for the aligned style the whole
  // window as the aligned rules give it, for the annotated style the data area.
  double left = 0, top = 1, right = 720, bottom = -1;
  float r = 0;            // the data magnitude (aligned) or the larger end of the y range
  bool overflow = false;  // the window cannot take the data: only its labels are drawn
  std::string title;      // annotated: the graph title above the window
  std::string leftTitle, component, unit;  // aligned: the panels beside the window
  std::string yAxisTitle;                  // the unit of the y axis, when all curves share one
  std::string bottomTitle = "Crank Angle (Deg)";
  std::vector<PlotCurve> curves;
  std::vector<PlotSegment> lines;  // axes, tick marks, quarter and grid lines, in black
  std::vector<PlotTick> xTicks, yTicks;
  std::vector<PlotBand> bands;  // annotated style: under the grid and the curves
  std::vector<PlotMark> marks;  // annotated style: over the curves
  std::string ymax, ymin, maxText, minText, peakText;  // aligned: the extremes
};

// A second design drawn over the plot: each of its curves beside the one of
// the same slot, dashed in a second set of colours, on the same scale; the
// legends name both. The overlay's results are read as the plot's own are,
// so both must be in one unit system. The engine with its balance shafts
// drawn over without them is an overlay too, of the shaking results only.
struct PlotOverlay {
  const EngineDesignRecord* design = nullptr;
  std::string mainName;   // "engine_a.zrv", "with shafts"
  std::string otherName;  // "engine_b.zrv", "without shafts"
  bool shakingOnly = false;  // only the shaking forces and moments have a second curve
};
// The pens of the overlay's curves, slot by slot of a window.
Pen OverlayPen(int set);
// Whether the overlay draws a curve of this plot function.
bool OverlayDraws(const PlotOverlay& o, int function);
// "A: engine_a.zrv     B (dashed, own colours): engine_b.zrv": the line that
// names both.
std::string OverlayLegend(const PlotOverlay& o);

struct PlotModel {
  bool aligned = false;
  PlotOptions options;
  std::vector<float> crankAngle;  // the x of every row (crank angles, or a studied input's values)
  std::string xName = "Crank", xUnit = "deg";  // what the cursor calls the x of a row
  std::vector<PlotWindow> windows;
  std::vector<std::string> header;  // phase, firing-order and firing-angle lines
  // The first overflow's message, for the screen to show once; empty when none.
  std::string overflowMessage;
  std::string overlayLegend;  // with an overlay: the line naming both designs
};

// A magnitude beyond this no window can take.
constexpr double kPlotMagnitudeLimit = 1e30;

// The largest absolute value of a series over rows first..last; 0.0001 for a
// series that is zero everywhere.
float CartesianMax(const std::vector<float>& v, int first, int last);
// The decimals the aligned labels use for a magnitude r.
int16_t AlignedDecimals(float r);

// The plot of the selection: the aligned style for two and four windows
// (drawn by the program's own rules), the annotated style otherwise. Error 9
// when a slot holds no function.
// With an overlay, its curves are drawn too.
PlotModel BuildPlot(const EngineDesignRecord& d, const PlotSelection& s, bool aligned, const PlotOptions& o = {},
                    const PlotOverlay* overlay = nullptr);

// A round y axis from lo to hi in about five steps, with its tick labels.
void NiceYAxis(PlotWindow& w, double lo, double hi);
// The same for an x axis from lo to hi: the window's left and right and its ticks.
void NiceXAxis(PlotWindow& w, double lo, double hi);

// The plotted curves as CSV: crank angle, then one column per curve, with a
// header line of names and units (CR LF).
std::string PlotCsv(const PlotModel& m);

}  // namespace zorvan
