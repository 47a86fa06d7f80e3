#pragma once
// The figures a design study compares across designs: one number each, read
// from the calculated results of one design. Each is defined once here, with
// its name and unit, so the command line's sweep and a screen list the same.
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/design_record.h"
#include "core/flywheel.h"
#include "core/moment_reference.h"

namespace zorvan {

enum class FigureUnit { None, Degrees, Percent, Force, Torque, Moment, Energy, Inertia };

// What the figures of one calculated design are read from: the design, the
// shaking tables its force and moment figures read (its own, or copies with
// its balance shafts and its moments taken about another point) and its
// flywheel, read only by the figures that need it.
struct FigureSource {
  const EngineDesignRecord& d;
  const ShakingTable& force;
  const ShakingTable& moment;
  const FlywheelResult* flywheel;
};

struct DesignFigure {
  const char* name;
  const char* label;    // as the screens list it ("Peak total shaking moment")
  const char* meaning;  // one line, as the documentation gives it
  FigureUnit unit;
  bool needsFlywheel;   // read from the flywheel calculation
  // Its value in a calculated design; the flywheel is read only when needsFlywheel.
  double (*value)(const FigureSource& s);
  bool shaking = false;  // read from the shaking tables
};

// Every figure, in the order a study lists them by default.
std::span<const DesignFigure> DesignFigures();
// The index of the figure of that name, or none.
std::optional<std::size_t> FindDesignFigure(std::string_view name);

// The unit of a figure in the design's unit system, as the design holds it
// (base units: metres, not the centimetres systems 4 and 5 show); empty for none.
std::string FigureUnitLabel(const EngineDesignRecord& d, FigureUnit unit);
// The held unit of a field's UnitLabel slot (0: none; an empty text).
std::string HeldUnitLabel(const EngineDesignRecord& d, int slot);

// The value of figure `index` of a calculated design. `flywheel` is read
// only by the figures that need it. Throws as the rod load does when the
// one-cylinder results are missing.
double FigureValue(const EngineDesignRecord& d, const FlywheelResult* flywheel, std::size_t index);
double FigureValue(const FigureSource& s, std::size_t index);

// " with shafts", " about centre", both or nothing: what the heading of a
// shaking figure adds to say which tables it was read from.
std::string FigureQualifier(const DesignFigure& f, bool withShafts, MomentReference reference);

// The shaking tables the figures of a design read: the design's own when it
// has no balance shafts and the moments are taken about cylinder 1's plane
// (as its tables take them), else copies with its shafts added and its
// moments moved to the reference point.
class FigureShaking {
 public:
  FigureShaking(const EngineDesignRecord& d, MomentReference reference);
  FigureSource Source(const FlywheelResult* flywheel) const;
 private:
  const EngineDesignRecord& d_;
  std::unique_ptr<ShakingTable> force_, moment_;
};

}  // namespace zorvan
