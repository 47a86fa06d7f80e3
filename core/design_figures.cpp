// The figures of a design study, each read from the results of one design
// over one working cycle, rows 0..239 (row 240, 720 degrees, repeats row 0).
#include "core/design_figures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/balance_shafts.h"
#include "core/display_units.h"
#include "core/rod_load.h"
#include "core/row_math.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr int kCycleRows = kLastRow;  // rows 0..239

using F = FigureUnit;
using S = FigureSource&;

// The largest x^2 + y^2 over the cycle. A NaN is never the largest, so the
// rows may be taken in any order: lane j holds rows j, j + 8, j + 16...
ZORVAN_ROW_LOOP double LargestSquare(const Column& xs, const Column& ys) {
  constexpr int kLanes = 8;
  static_assert(kCycleRows % kLanes == 0);
  std::array<double, kLanes> lane{};
  for (int row = 0; row < kCycleRows; row += kLanes)
    for (int j = 0; j < kLanes; ++j) {
      const double a = xs[row + j], b = ys[row + j];
      lane[j] = std::max(lane[j], a * a + b * b);
    }
  double largest = 0;
  for (double v : lane) largest = std::max(largest, v);
  return largest;
}

const FlywheelResult& Needed(const FlywheelResult* f) {
  if (!f) RaiseError(err::InvalidCall);
  return *f;
}

constexpr std::array<DesignFigure, 16> kFigures{{
    {"PeakTorque", "Peak torque", "largest total torque (TotalTorque)", F::Torque, false,
     [](S s) { return s.Torque().peak; }},
    {"MinTorque", "Smallest torque", "smallest total torque", F::Torque, false,
     [](S s) { return s.Torque().min; }},
    {"MeanTorque", "Mean torque", "mean total torque", F::Torque, false, [](S s) { return s.Torque().mean; }},
    {"TorqueNonUniformity", "Torque non-uniformity", "(PeakTorque - MinTorque) / MeanTorque", F::None, false,
     [](S s) { return (s.Torque().peak - s.Torque().min) / s.Torque().mean; }},
    {"PeakPrimaryForce", "Peak primary shaking force",
     "largest magnitude of the engine's primary shaking force", F::Force, false,
     [](S s) { return s.Peaks().force[kPrimary]; }, true},
    {"PeakSecondaryForce", "Peak secondary shaking force",
     "largest magnitude of the engine's secondary shaking force", F::Force, false,
     [](S s) { return s.Peaks().force[kSecondary]; }, true},
    {"PeakTotalForce", "Peak total shaking force",
     "largest magnitude of the engine's total shaking force", F::Force, false,
     [](S s) { return s.Peaks().force[kTotal]; }, true},
    {"PeakPrimaryMoment", "Peak primary shaking moment",
     "largest magnitude of the engine's primary shaking moment about cylinder 1's plane", F::Moment, false,
     [](S s) { return s.Peaks().moment[kPrimary]; }, true},
    {"PeakSecondaryMoment", "Peak secondary shaking moment",
     "largest magnitude of the engine's secondary shaking moment about cylinder 1's plane", F::Moment, false,
     [](S s) { return s.Peaks().moment[kSecondary]; }, true},
    {"PeakTotalMoment", "Peak total shaking moment",
     "largest magnitude of the engine's total shaking moment about cylinder 1's plane", F::Moment, false,
     [](S s) { return s.Peaks().moment[kTotal]; }, true},
    {"PeakMainBearingLoad", "Peak main-bearing load",
     "largest main-bearing force (pin force column 4)", F::Force, false,
     [](S s) { return s.Peaks().mainBearing; }},
    {"PeakCrankpinLoad", "Peak crankpin load", "largest crankpin force (pin force column 1)", F::Force, false,
     [](S s) { return s.Peaks().crankpin; }},
    {"RodLoadReversalDegrees", "Rod-load reversal",
     "crank degrees of rod-load reversal (ReversalDegrees)", F::Degrees, false,
     [](S s) { return s.Rod().ReversalDegrees; }},
    {"RodLoadReversalPercent", "Rod-load reversal ratio",
     "the smaller rod-load peak over the larger (ReversalPercent)", F::Percent, false,
     [](S s) { return s.Rod().ReversalPercent; }},
    {"FlywheelEnergySwing", "Flywheel energy swing",
     "largest swing of the torque's energy about its mean over the cycle", F::Energy, true,
     [](S s) { return Needed(s.flywheel).energySwing; }},
    {"FlywheelInertia", "Flywheel inertia",
     "flywheel inertia for CoefFluct: EnergySwing / (CoefFluct * Omega^2)", F::Inertia, true,
     [](S s) { return Needed(s.flywheel).flywheelInertia; }},
}};

}  // namespace

std::span<const DesignFigure> DesignFigures() { return kFigures; }

std::optional<std::size_t> FindDesignFigure(std::string_view name) {
  for (std::size_t k = 0; k < kFigures.size(); ++k)
    if (name == kFigures[k].name) return k;
  return std::nullopt;
}

std::string HeldUnitLabel(const EngineDesignRecord& d, int slot) {
  if (slot < 1 || slot > kLabelSlots) return {};
  const Quantity q = QuantityOfSlot(slot);
  if (DisplayFactor(q, d.UnitSystem) == 1) return d.UnitLabel[slot];
  switch (q) {  // the metric systems hold metres, cubic metres and pascals
    case Quantity::Length: return "m";
    case Quantity::Area: return "m^2";
    case Quantity::Volume: return "m^3";
    case Quantity::Pressure: return "Pa";
    default: return d.UnitLabel[slot];
  }
}

std::string FigureUnitLabel(const EngineDesignRecord& d, FigureUnit unit) {
  switch (unit) {
    case F::None: return {};
    case F::Degrees: return "deg";
    case F::Percent: return "%";
    case F::Force: return d.UnitLabel[kForceSlot];
    case F::Torque:
    case F::Energy: return d.UnitLabel[kTorqueSlot];  // torque times radians
    case F::Moment: return d.UnitLabel[kMomentSlot];
    case F::Inertia: return d.UnitLabel[kMassSlot] + "-" + HeldUnitLabel(d, kLengthSlot) + "^2";
  }
  return {};
}

const FigureSource::TorqueFigures& FigureSource::Torque() {
  if (!torque_) {
    const Column& t = design.table.TotalTorque;
    double peak = t[0], min = t[0], sum = 0;
    for (int row = 0; row < kCycleRows; ++row) {
      peak = std::max<double>(peak, t[row]);
      min = std::min<double>(min, t[row]);
      sum += t[row];
    }
    torque_ = TorqueFigures{peak, min, sum / kCycleRows};
  }
  return *torque_;
}

const FigureSource::PeakFigures& FigureSource::Peaks() {
  if (peaks_) return *peaks_;
  const CrankAngleTable& t = design.table;
  std::array<const Column*, 8> x, y;
  for (int g = 0; g < 3; ++g) {
    x[g] = &force.column(ShakingColumn(0, kX, g));
    y[g] = &force.column(ShakingColumn(0, kY, g));
    x[3 + g] = &moment.column(ShakingColumn(0, kX, g));
    y[3 + g] = &moment.column(ShakingColumn(0, kY, g));
  }
  x[6] = &t.PinForceX.column(kMainBearing), y[6] = &t.PinForceY.column(kMainBearing);
  x[7] = &t.PinForceX.column(kCrankpin), y[7] = &t.PinForceY.column(kCrankpin);
  std::array<double, 8> largest{};
  for (int k = 0; k < 8; ++k) largest[k] = LargestSquare(*x[k], *y[k]);
  PeakFigures p;
  for (int g = 0; g < 3; ++g) {
    p.force[g] = std::sqrt(largest[g]);
    p.moment[g] = std::sqrt(largest[3 + g]);
  }
  p.mainBearing = std::sqrt(largest[6]);
  p.crankpin = std::sqrt(largest[7]);
  return *(peaks_ = p);
}

const RodLoad& FigureSource::Rod() {
  if (!rod_) rod_ = RodLoadOf(design);
  return *rod_;
}

double FigureValue(FigureSource& source, std::size_t index) {
  if (index >= kFigures.size()) RaiseError(err::SubscriptOutOfRange);
  return kFigures[index].value(source);
}

double FigureValue(const EngineDesignRecord& d, const FlywheelResult* flywheel, std::size_t index) {
  FigureSource source(d, flywheel);
  return FigureValue(source, index);
}

FigureShaking::FigureShaking(const EngineDesignRecord& d, MomentReference reference) : d_(d) {
  if (d.BalanceShafts.empty() && reference == MomentReference::Cylinder1) return;
  force_ = std::make_unique<ShakingTable>(d.table.ShakingForce);
  moment_ = std::make_unique<ShakingTable>(d.table.ShakingMoment);
  if (!d.BalanceShafts.empty() && d.EngineResultsValid) AddShafts(d, *force_, *moment_);
  MoveEngineMoments(*moment_, *force_, ReferenceArm(d, reference));
}

FigureSource FigureShaking::Source(const FlywheelResult* flywheel) const {
  if (!force_) return {d_, flywheel};
  return {d_, *force_, *moment_, flywheel};
}

std::string FigureQualifier(const DesignFigure& f, bool withShafts, MomentReference reference) {
  if (!f.shaking) return {};
  std::string q = withShafts ? " with shafts" : "";
  if (f.unit == FigureUnit::Moment && reference == MomentReference::Centre) q += " about centre";
  return q;
}

}  // namespace zorvan
