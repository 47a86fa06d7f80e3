#pragma once
// Cylinder-pressure traces as text: the tolerant reader of measured or
// simulated traces, and the program's own form, which it reads back exactly.
//
// A trace file is lines of fields separated by commas, semicolons, tabs or
// blanks (whichever the first line uses), with the point as decimal point;
// blank lines and everything from a "#" on are left out. An optional first
// line names the columns, each with its unit in brackets ("p [bar]",
// "p (kPa)") or after the name ("p bar", "p/bar"). Column 1 is the crank
// angle in degrees, 0 at the firing top dead centre; then one pressure column
// for every cylinder, or one per cylinder. Pressures in bar, kPa, MPa, Pa or
// psi, gauge or absolute ("bara", "psia", "bar abs"; "barg", "bar gauge").
// The comment lines "# source: NAME" and "# compression ratio: R" carry the
// trace's origin and the compression ratio of its engine.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/pressure_trace.h"

namespace zorvan {

struct PressureReadOptions {
  std::string unit;                 // empty: the header's; else bar, kPa, MPa, Pa or psi
  std::optional<bool> absolute;     // none: as the header says, gauge when it says nothing
  std::optional<double> crankcase;  // an absolute trace's crankcase pressure, in the trace's unit; none: 1.01325 bar
  double tdcOffset = 0;             // the file's angle of the firing top dead centre
};

// What the reader made of a file: the trace, or the one sentence that names
// the line and column of what is wrong with it.
struct PressureReading {
  std::shared_ptr<const PressureTrace> trace;  // null when refused
  std::string fault;
  std::string unit;          // the pressure unit read, as the unit list names it
  bool unitChosen = false;   // chosen rather than read from the header
  bool absolute = false;
  bool referenceGiven = false;  // gauge or absolute said by the header or chosen
  double crankcaseBar = kStandardAtmosphereBar;
  std::vector<std::string> names;  // the columns' names (the header's, else "angle", "p" or "p1".."pN")
};

// The units the reader knows, for lists and messages.
inline constexpr const char* kPressureUnits[] = {"bar", "kPa", "MPa", "Pa", "psi"};
// A unit by its name, in any case ("KPA"); empty when it is none of them.
std::string PressureUnitName(std::string_view text);

// Reads a trace from text; `source` names it in the trace and the messages.
PressureReading ReadPressureText(std::string_view text, const std::string& source, const PressureReadOptions& o);
// Reads a file (at most 32 MB); a file that cannot be read is told as a fault with its path.
PressureReading ReadPressureFile(const std::string& path, const PressureReadOptions& o);

// The program's own form: a comment with the trace's meaning, its source and
// compression ratio, the header "angle (deg),p (bar)" (p1, p2, ... per
// cylinder) and every point with the shortest decimals that read back
// exactly, lines ended by CR LF.
std::string PressureFileText(const PressureTrace& t);

// What the reader understood of a trace, shown before it is applied: its
// points, cycles and columns, the units and reference, the range of angles and
// pressures and the peak (lines broken by CR).
std::string PressurePreviewText(const PressureReading& r);

// The trace file beside a model file: NAME.pressure.csv for NAME.zrv.
std::string PressureFilePath(const std::string& modelPath);

}  // namespace zorvan
