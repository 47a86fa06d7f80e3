#pragma once
// The p-V diagram: cylinder pressure against cylinder volume over the working
// cycle, from the pressure the design uses (a measured trace at its own
// points, or the built-in curve's rows), one loop per pressure column.
// Linear axes, or log-log; the volume needs the clearance volume from a
// compression ratio: without one the linear diagram shows the volume swept
// from top dead centre and the log-log one cannot be drawn.
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/canvas.h"
#include "plots/plot_model.h"

namespace zorvan {

struct PvLoop {
  std::string name;  // "p" or "p1".."pN"
  Rgb colour;
  std::vector<double> volume, pressure;  // as shown: the display volume unit, bar
};

struct PvDiagram {
  bool logScale = false;
  std::string title, xTitle, yTitle, volumeUnit;
  std::string caption;            // "Pressure: measured, FILE, N points", or the built-in curve
  std::vector<double> angles;     // degrees from firing top dead centre, of every point
  std::vector<PvLoop> loops;
  // The axes in plotted units (decades when log-log).
  double left = 0, right = 1, bottom = 0, top = 1;
  std::vector<PlotTick> xTicks, yTicks;
};

// The diagram of the design (Engine_Data done); `ratio` overrides the trace's
// compression ratio. Error 5 with its sentence for a log-log diagram without a
// compression ratio, or a trace that does not fit the design.
PvDiagram BuildPvDiagram(const EngineDesignRecord& d, bool logScale, std::optional<double> ratio);
// Draws the diagram on the whole canvas.
void PaintPvDiagram(Canvas& c, const PvDiagram& m);
// The points as CSV: angle, volume, then each loop's pressure, with a header of names and units (CR LF).
std::string PvDiagramCsv(const PvDiagram& m);

}  // namespace zorvan
