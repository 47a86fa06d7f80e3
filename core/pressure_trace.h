#pragma once
// A measured or simulated cylinder-pressure trace the design uses in place of
// the built-in gas-pressure curve: crank angles (degrees, 0 at the firing top
// dead centre) and gauge pressures in bar, one column for every cylinder or
// one column per cylinder, at the file's own spacing, one or more whole
// working cycles. The trace is read once (files/pressure_file.h) and never
// changed; the design holds it by a shared pointer, so copies of a design
// share it.
//
// Resampling to the 3-degree rows: each row takes the trace's pressure at its
// crank angle from a monotone cubic through the points (Fritsch-Carlson: it
// passes through every point and never overshoots them), averaged over the
// file's cycles; then the row nearest the highest pressure of that averaged
// trace takes the highest pressure, so the peak pressure is kept (moved by at
// most 1.5 degrees). Where a point lies on a row, the row is that point.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

// Pressures a trace may hold, gauge, in bar.
constexpr double kLowestGaugeBar = -1;
constexpr double kHighestGaugeBar = 10000;
constexpr int kFewestTracePoints = 36;
constexpr double kStandardAtmosphereBar = 1.01325;

// The trace fitted to one working cycle (360 degrees two-stroke, 720 four-stroke).
struct TraceCycleFit {
  std::string fault;  // why the trace does not fit this cycle ("FILE: line L, column C: ..."); empty when it does
  int cycles = 0;     // whole cycles in the file, averaged
  int points = 0;     // the points of those cycles (a closing point that repeats the first left out)
  // Per column, the pressure (gauge, bar) of each 3-degree row of one cycle: 120 or 240 rows.
  std::vector<std::vector<double>> rows;
};

struct PressureTrace {
  std::string source;  // the file's name, without its folder
  std::vector<double> angles;                  // degrees from firing top dead centre, increasing
  std::vector<std::vector<double>> columns;    // [column][point]: gauge pressure, bar
  std::optional<double> compressionRatio;      // for the p-V diagram's volumes
  int columnsLine = 0;  // the file line that sets the columns (the header, or the first data line)
  int lastLine = 0;     // the file line of the last point
  std::array<TraceCycleFit, 2> fits;  // [0] 360 degrees, [1] 720 degrees

  int Points() const { return static_cast<int>(angles.size()); }
  int Columns() const { return static_cast<int>(columns.size()); }
  // The fit for a design's stroke cycle (2: 360 degrees, otherwise 720).
  const TraceCycleFit& FitFor(int16_t strokeCycle) const { return fits[strokeCycle == 2 ? 0 : 1]; }
  bool operator==(const PressureTrace& o) const {
    return source == o.source && angles == o.angles && columns == o.columns && compressionRatio == o.compressionRatio;
  }
};

// Fits the trace's points to both cycles (the fits above) and hands it over
// for designs to share. The points must be increasing and hold at least
// kFewestTracePoints; the reader has made sure of that.
std::shared_ptr<const PressureTrace> CompleteTrace(PressureTrace trace);

// The same trace with another compression ratio (none: the p-V diagram has no clearance volume).
std::shared_ptr<const PressureTrace> WithCompressionRatio(const PressureTrace& t, std::optional<double> ratio);

// Why the design cannot use its trace (the cycle is not covered, the columns
// do not match the cylinders), as one sentence naming line and column; none
// for a trace that fits and for a design without one.
std::optional<std::string> PressureFault(const EngineDesignRecord& d);

// "Pressure: measured, FILE, N points", or empty for the built-in curve.
std::string PressureCaption(const EngineDesignRecord& d);

// Pascals in one bar, and the held pressure (psi, psf or Pa) of one bar in a unit system.
constexpr double kPascalsPerBar = 1e5;
double HeldPressurePerBar(int16_t unitSystem);

// The gas force of pressure column `column` (0-based) over rows 0..LastStep:
// the resampled pressure times the piston area. A trace that does not fit
// the design is error 5 with the fault's sentence.
void FillTraceForce(const EngineDesignRecord& d, int column, Column& target);

// The column of the trace cylinder k (1..16) takes: its own, or the one common column.
inline int TraceColumnOf(const PressureTrace& t, int cylinder) { return t.Columns() == 1 ? 0 : cylinder - 1; }
// Whether the cylinders of the design each have their own pressure.
inline bool PerCylinderPressure(const EngineDesignRecord& d) { return d.Pressure && d.Pressure->Columns() > 1; }

}  // namespace zorvan
