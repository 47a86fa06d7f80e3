// The figures of a design study, each read from the results of one design
// over one working cycle, rows 0..239 (row 240, 720 degrees, repeats row 0).
#include "core/design_figures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/balance_shafts.h"
#include "core/display_units.h"
#include "core/rod_load.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr int kCycleRows = kLastRow;  // rows 0..239

using F = FigureUnit;
using S = const FigureSource&;

struct TorqueFigures {
  double peak, min, mean;
};

TorqueFigures TorqueOf(const EngineDesignRecord& d) {
  const Column& t = d.table.TotalTorque;
  double peak = t[0], min = t[0], sum = 0;
  for (int row = 0; row < kCycleRows; ++row) {
    peak = std::max<double>(peak, t[row]);
    min = std::min<double>(min, t[row]);
    sum += t[row];
  }
  return {peak, min, sum / kCycleRows};
}

// The largest magnitude of the engine slot's x and y of one group.
double PeakOfEngineSlot(const ShakingTable& table, int group) {
  double largest = 0;
  for (int row = 0; row < kCycleRows; ++row) {
    const double x = table[row][ShakingColumn(0, kX, group)], y = table[row][ShakingColumn(0, kY, group)];
    largest = std::max(largest, x * x + y * y);
  }
  return std::sqrt(largest);
}

double PeakPinLoad(const CrankAngleTable& t, int column) {
  double largest = 0;
  for (int row = 0; row < kCycleRows; ++row) {
    const double x = t.PinForceX[row][column], y = t.PinForceY[row][column];
    largest = std::max(largest, x * x + y * y);
  }
  return std::sqrt(largest);
}

const FlywheelResult& Needed(const FlywheelResult* f) {
  if (!f) RaiseError(err::InvalidCall);
  return *f;
}

double NonUniformity(const EngineDesignRecord& d) {
  const TorqueFigures q = TorqueOf(d);
  return (q.peak - q.min) / q.mean;
}

constexpr std::array<DesignFigure, 16> kFigures{{
    {"PeakTorque", "Peak torque", "largest total torque (TotalTorque)", F::Torque, false,
     [](S s) { return TorqueOf(s.d).peak; }},
    {"MinTorque", "Smallest torque", "smallest total torque", F::Torque, false,
     [](S s) { return TorqueOf(s.d).min; }},
    {"MeanTorque", "Mean torque", "mean total torque", F::Torque, false, [](S s) { return TorqueOf(s.d).mean; }},
    {"TorqueNonUniformity", "Torque non-uniformity", "(PeakTorque - MinTorque) / MeanTorque", F::None, false,
     [](S s) { return NonUniformity(s.d); }},
    {"PeakPrimaryForce", "Peak primary shaking force",
     "largest magnitude of the engine's primary shaking force", F::Force, false,
     [](S s) { return PeakOfEngineSlot(s.force, kPrimary); }, true},
    {"PeakSecondaryForce", "Peak secondary shaking force",
     "largest magnitude of the engine's secondary shaking force", F::Force, false,
     [](S s) { return PeakOfEngineSlot(s.force, kSecondary); }, true},
    {"PeakTotalForce", "Peak total shaking force",
     "largest magnitude of the engine's total shaking force", F::Force, false,
     [](S s) { return PeakOfEngineSlot(s.force, kTotal); }, true},
    {"PeakPrimaryMoment", "Peak primary shaking moment",
     "largest magnitude of the engine's primary shaking moment about cylinder 1's plane", F::Moment, false,
     [](S s) { return PeakOfEngineSlot(s.moment, kPrimary); }, true},
    {"PeakSecondaryMoment", "Peak secondary shaking moment",
     "largest magnitude of the engine's secondary shaking moment about cylinder 1's plane", F::Moment, false,
     [](S s) { return PeakOfEngineSlot(s.moment, kSecondary); }, true},
    {"PeakTotalMoment", "Peak total shaking moment",
     "largest magnitude of the engine's total shaking moment about cylinder 1's plane", F::Moment, false,
     [](S s) { return PeakOfEngineSlot(s.moment, kTotal); }, true},
    {"PeakMainBearingLoad", "Peak main-bearing load",
     "largest main-bearing force (pin force column 4)", F::Force, false,
     [](S s) { return PeakPinLoad(s.d.table, kMainBearing); }},
    {"PeakCrankpinLoad", "Peak crankpin load", "largest crankpin force (pin force column 1)", F::Force, false,
     [](S s) { return PeakPinLoad(s.d.table, kCrankpin); }},
    {"RodLoadReversalDegrees", "Rod-load reversal",
     "crank degrees of rod-load reversal (ReversalDegrees)", F::Degrees, false,
     [](S s) { return RodLoadOf(s.d).ReversalDegrees; }},
    {"RodLoadReversalPercent", "Rod-load reversal ratio",
     "the smaller rod-load peak over the larger (ReversalPercent)", F::Percent, false,
     [](S s) { return RodLoadOf(s.d).ReversalPercent; }},
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

double FigureValue(const EngineDesignRecord& d, const FlywheelResult* flywheel, std::size_t index) {
  return FigureValue({d, d.table.ShakingForce, d.table.ShakingMoment, flywheel}, index);
}

double FigureValue(const FigureSource& s, std::size_t index) {
  if (index >= kFigures.size()) RaiseError(err::SubscriptOutOfRange);
  return kFigures[index].value(s);
}

FigureShaking::FigureShaking(const EngineDesignRecord& d, MomentReference reference) : d_(d) {
  if (d.BalanceShafts.empty() && reference == MomentReference::Cylinder1) return;
  force_ = std::make_unique<ShakingTable>(d.table.ShakingForce);
  moment_ = std::make_unique<ShakingTable>(d.table.ShakingMoment);
  if (!d.BalanceShafts.empty() && d.EngineResultsValid) AddShafts(d, *force_, *moment_);
  MoveEngineMoments(*moment_, *force_, ReferenceArm(d, reference));
}

FigureSource FigureShaking::Source(const FlywheelResult* flywheel) const {
  if (!force_) return {d_, d_.table.ShakingForce, d_.table.ShakingMoment, flywheel};
  return {d_, *force_, *moment_, flywheel};
}

std::string FigureQualifier(const DesignFigure& f, bool withShafts, MomentReference reference) {
  if (!f.shaking) return {};
  std::string q = withShafts ? " with shafts" : "";
  if (f.unit == FigureUnit::Moment && reference == MomentReference::Centre) q += " about centre";
  return q;
}

}  // namespace zorvan
