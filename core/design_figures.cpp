// The figures of a design study, each read from the results of one design
// over one working cycle, rows 0..239 (row 240, 720 degrees, repeats row 0).
#include "core/design_figures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/display_units.h"
#include "core/rod_load.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr int kCycleRows = kLastRow;  // rows 0..239

using F = FigureUnit;
constexpr std::array<DesignFigure, 16> kFigures{{
    {"PeakTorque", "largest total torque (TotalTorque)", F::Torque, false},
    {"MinTorque", "smallest total torque", F::Torque, false},
    {"MeanTorque", "mean total torque", F::Torque, false},
    {"TorqueNonUniformity", "(PeakTorque - MinTorque) / MeanTorque", F::None, false},
    {"PeakPrimaryForce", "largest magnitude of the engine's primary shaking force", F::Force, false},
    {"PeakSecondaryForce", "largest magnitude of the engine's secondary shaking force", F::Force, false},
    {"PeakTotalForce", "largest magnitude of the engine's total shaking force", F::Force, false},
    {"PeakPrimaryMoment", "largest magnitude of the engine's primary shaking moment", F::Moment, false},
    {"PeakSecondaryMoment", "largest magnitude of the engine's secondary shaking moment", F::Moment, false},
    {"PeakTotalMoment", "largest magnitude of the engine's total shaking moment", F::Moment, false},
    {"PeakMainBearingLoad", "largest main-bearing force (pin force column 4)", F::Force, false},
    {"PeakCrankpinLoad", "largest crankpin force (pin force column 1)", F::Force, false},
    {"RodLoadReversalDegrees", "crank degrees of rod-load reversal (ReversalDegrees)", F::Degrees, false},
    {"RodLoadReversalPercent", "the smaller rod-load peak over the larger (ReversalPercent)", F::Percent, false},
    {"FlywheelEnergySwing", "largest swing of the torque's energy about its mean over the cycle", F::Energy,
     true},
    {"FlywheelInertia", "flywheel inertia for CoefFluct: EnergySwing / (CoefFluct * Omega^2)", F::Inertia, true},
}};

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
    case F::Force: return d.UnitLabel[4];
    case F::Torque:
    case F::Energy: return d.UnitLabel[7];  // torque times radians
    case F::Moment: return d.UnitLabel[16];
    case F::Inertia: return d.UnitLabel[20] + "-" + HeldUnitLabel(d, 1) + "^2";
  }
  return {};
}

double FigureValue(const EngineDesignRecord& d, const FlywheelResult* flywheel, std::size_t index) {
  const CrankAngleTable& t = d.table;
  switch (index) {
    case 0: return TorqueOf(d).peak;
    case 1: return TorqueOf(d).min;
    case 2: return TorqueOf(d).mean;
    case 3: {
      const TorqueFigures q = TorqueOf(d);
      return (q.peak - q.min) / q.mean;
    }
    case 4: return PeakOfEngineSlot(t.ShakingForce, kPrimary);
    case 5: return PeakOfEngineSlot(t.ShakingForce, kSecondary);
    case 6: return PeakOfEngineSlot(t.ShakingForce, kTotal);
    case 7: return PeakOfEngineSlot(t.ShakingMoment, kPrimary);
    case 8: return PeakOfEngineSlot(t.ShakingMoment, kSecondary);
    case 9: return PeakOfEngineSlot(t.ShakingMoment, kTotal);
    case 10: return PeakPinLoad(t, kMainBearing);
    case 11: return PeakPinLoad(t, kCrankpin);
    case 12: return RodLoadOf(d).ReversalDegrees;
    case 13: return RodLoadOf(d).ReversalPercent;
    case 14: return Needed(flywheel).energySwing;
    case 15: return Needed(flywheel).flywheelInertia;
    default: RaiseError(err::SubscriptOutOfRange);
  }
}

}  // namespace zorvan
