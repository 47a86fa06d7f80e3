#pragma once
// A polar plot as numbers: one vector function of crank angle as the path of
// its tip, as the vectors from the origin, or both, in the polar window of its
// largest magnitude. A pin force in the crank's rotating frame is the bearing
// load diagram. The polar painter draws the model on any canvas; tests read it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/canvas.h"
#include "plots/plot_model.h"
#include "plots/plot_selection.h"
#include "plots/polar_frame.h"

namespace zorvan {

// What the plot draws: 0 nothing but the frame, 1 the tip path, 2 the
// vectors, 3 both.
constexpr int16_t kPolarNone = 0, kPolarEnvelope = 1, kPolarVectors = 2, kPolarBoth = 3;
// The mode of the two check boxes; with neither checked the previous one stays.
int16_t PolarModeFrom(bool envelope, bool vectors, int16_t previous);

struct PolarPlotModel {
  int16_t function = 0;
  std::string shortName, longName, unit;  // the window's titles: long name and the function's own unit
  bool rotating = false;                  // read in the frame turning with the crank, not the engine's
  int16_t mode = kPolarNone;
  PolarFrame frame;
  std::string xmin, xmax, ymin, ymax;  // the axis ends, whole numbers
  std::vector<float> crankAngle, x, y, magnitude, angle;  // rows 0..240
  bool startPoint = false;            // a point at the first tip (the path's start)
  std::vector<PlotSegment> envelope;  // blue, tip to tip
  std::vector<PlotSegment> vectors;   // green, from the origin
  float peak = 0, peakAngle = 0;      // the largest magnitude and its crank angle
  float mean = 0;                     // the mean magnitude over one cycle (rows 0..239)
  std::string overflowMessage;        // the window cannot take the magnitude: said once, drawn anyway
  std::vector<std::string> header;    // the engine's phase, firing-order and firing-angle lines
  // With an overlay: the tip path of its design, dashed in the overlay's
  // colour on the same scale, and the line naming both designs.
  std::vector<float> overlayX, overlayY;
  std::vector<PlotSegment> overlayEnvelope;
  std::string overlayLegend;
};

// The polar plot of slot 1 of the selection in a mode. Error 9 when the slot
// holds no function.
PolarPlotModel BuildPolarPlot(const EngineDesignRecord& d, const PlotSelection& s, int16_t mode,
                              const PlotOverlay* overlay = nullptr);

// "Mainpin Force F21, rotating frame (lb)": the title, naming the frame.
std::string PolarTitle(const PolarPlotModel& m);
// "Peak 1234 N at 363 deg" and "Mean 567 N": the figures beside the plot.
std::string PolarPeakText(const PolarPlotModel& m);
std::string PolarMeanText(const PolarPlotModel& m);

// Crank angle, X, Y, magnitude and angle of every row as CSV, with a header
// line of names and units (CR LF).
std::string PolarCsv(const PolarPlotModel& m);

// Where the window lies on the surface, so a pointer can be read back as the
// row whose tip is nearest.
struct PolarArea {
  double x = 0, y = 0, w = 0, h = 0;  // the window in points
  double left = 0, top = 0, right = 0, bottom = 0;  // its user scale
};

// Draws the model on the whole canvas; with a cursor row (0..240) the row's
// vector is marked and its numbers shown.
PolarArea PaintPolarPlot(Canvas& c, const PolarPlotModel& m, int cursorRow = -1);
// The row whose tip lies nearest to a point of the surface, or -1 outside the window.
int PolarRowAt(const PolarArea& a, const PolarPlotModel& m, double xPt, double yPt);

}  // namespace zorvan
