#pragma once
// The figures a design study compares across designs: one number each, read
// from the calculated results of one design. Each is defined once here, with
// its name and unit, so the command line's sweep and a screen list the same.
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/design_record.h"
#include "core/flywheel.h"
#include "core/moment_reference.h"
#include "core/rod_load.h"

namespace zorvan {

enum class FigureUnit { None, Degrees, Percent, Force, Torque, Moment, Energy, Inertia };

// One calculated design as its figures read it: the design, the shaking
// tables its force and moment figures read (its own, or copies with its
// balance shafts and its moments taken about another point) and its
// flywheel; what several figures share (the torque's peak, smallest and
// mean, the peaks, the rod load) is worked out once, when the first of them asks.
class FigureSource {
 public:
  struct TorqueFigures {
    double peak, min, mean;
  };
  // `flywheel` is read only by the figures that need it; it may be null.
  FigureSource(const EngineDesignRecord& d, const FlywheelResult* flywheel)
      : FigureSource(d, d.table.ShakingForce, d.table.ShakingMoment, flywheel) {}
  FigureSource(const EngineDesignRecord& d, const ShakingTable& force, const ShakingTable& moment,
               const FlywheelResult* flywheel)
      : design(d), force(force), moment(moment), flywheel(flywheel) {}
  // The largest magnitudes of the engine's shaking force and moment (by
  // group: primary, secondary, total) and of the main-bearing and crankpin forces.
  struct PeakFigures {
    std::array<double, 3> force, moment;
    double mainBearing, crankpin;
  };
  const TorqueFigures& Torque();
  const PeakFigures& Peaks();
  // Throws as RodLoadOf does when the one-cylinder results are missing.
  const RodLoad& Rod();

  const EngineDesignRecord& design;
  const ShakingTable& force;
  const ShakingTable& moment;
  const FlywheelResult* flywheel;

 private:
  std::optional<TorqueFigures> torque_;
  std::optional<PeakFigures> peaks_;
  std::optional<RodLoad> rod_;
};

struct DesignFigure {
  const char* name;
  const char* label;    // as the screens list it ("Peak total shaking moment")
  const char* meaning;  // one line, as the documentation gives it
  FigureUnit unit;
  bool needsFlywheel;   // read from the flywheel calculation
  // Its value in a calculated design (the flywheel read only when needsFlywheel).
  double (*value)(FigureSource& design);
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
// The same for a design whose figures are read one after another.
double FigureValue(FigureSource& source, std::size_t index);

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
