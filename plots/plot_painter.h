#pragma once
// The one painter of cartesian plots: lays a plot model out at the canvas's
// real size (windows stacked, so their crank-angle axes line up) and draws it.
// The screen, picture files and the printer all call it.
#include <vector>

#include "platform/canvas.h"
#include "plots/plot_model.h"

namespace zorvan {

// Where a window's crank-angle axis lies on the surface, in points, so a
// pointer position can be read back as a row.
struct PlotArea {
  double x, y, w, h;          // the window
  double xLeftPt, xRightPt;   // the points of the two x values below
  double xLeft, xRight;       // the x values (user units) at those points
  const std::vector<float>* rows = nullptr;  // the x of every row
};

// Draws the model on the whole canvas; with a cursor row (0..240) each window
// marks that row and reads each curve's value there. Returns the windows' areas.
std::vector<PlotArea> PaintPlot(Canvas& c, const PlotModel& m, int cursorRow = -1);

// The row nearest to a point of the surface, or -1 outside every window.
int PlotRowAt(const std::vector<PlotArea>& areas, double xPt, double yPt);

}  // namespace zorvan
