#include "core/result_catalogue.h"

#include "core/display_units.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

using T = CrankAngleTable;
using S = ResultEntry::Source;
using N = ResultNeeds;

// A plot function's unit is the UnitLabel slot of its own number.
ResultEntry Scalar(int16_t f, const char* s, const char* l, N needs, Column T::* column, int16_t slot = 0) {
  return {f, s, l, slot ? slot : f, false, needs, S::Scalar, column};
}
// A one-cylinder column the engine pass turns into the engine's sum.
ResultEntry Summed(int16_t f, const char* s, const char* l, Column T::* column) {
  ResultEntry e = Scalar(f, s, l, N::SingleResults, column);
  e.engineSum = true;
  return e;
}
ResultEntry Pin(int16_t f, const char* s, const char* l, int pin) {
  return {f, s, l, f, true, N::SingleResults, S::PinForce, nullptr, pin};
}
// A shaking force or moment; its unit is the plot function's own, or a force's (slot 15).
ResultEntry Shake(int16_t f, const char* s, const char* l, N needs, ShakingTable T::* table, int group) {
  return {f, s, l, f <= 18 ? f : int16_t{15}, true, needs, S::Shaking, nullptr, 0, table, group};
}

std::vector<ResultEntry> Build() {
  return {
      Scalar(kPosition, "Position", "Piston Position", N::SingleResults, &T::PistonPosition),
      Scalar(kVelocity, "Velocity", "Piston Velocity", N::SingleResults, &T::PistonVelocity),
      Scalar(kAcceleration, "Accel", "Piston Acceleration", N::SingleResults, &T::PistonAcceleration),
      Summed(kGasForce, "F Gas", "Gas Force", &T::GasForce),
      Summed(kGasTorque, "T Gas", "Gas Torque", &T::GasTorque),
      Summed(kInertiaTorque, "T Inertia", "Inertia Torque", &T::InertiaTorque),
      Summed(kTotalTorque, "T Total", "Total Torque", &T::TotalTorque),
      Summed(kFrictionTorque, "T Friction", "Friction Torque", &T::FrictionTorque),
      Pin(kCrankpinForce, "F Crank", "Crankpin Force F32", kCrankpin),
      Pin(kWristpinForce, "F Wrist", "Wristpin Force F34", kWristpin),
      Pin(kSidewallForce, "F Piston", "Sidewall Force F41", kWall),
      Pin(kMainpinForce, "F Main", "Mainpin Force F21", kMainBearing),
      // The one-cylinder pass leaves the cylinder's shaking force in the engine
      // columns; the moments come with the assembled engine.
      Shake(kPrimaryShakingForce, "F Shake 1", "Primary Shaking Force", N::SingleResults, &T::ShakingForce,
            kPrimary),
      Shake(kSecondaryShakingForce, "F Shake 2", "Secondary Shaking Force", N::SingleResults, &T::ShakingForce,
            kSecondary),
      Shake(kTotalShakingForce, "F Shake All", "Total Shaking Force", N::SingleResults, &T::ShakingForce, kTotal),
      Shake(kPrimaryShakingMoment, "M Shake 1", "Primary Shaking Moment", N::EngineResults, &T::ShakingMoment,
            kPrimary),
      Shake(kSecondaryShakingMoment, "M Shake 2", "Secondary Shaking Moment", N::EngineResults, &T::ShakingMoment,
            kSecondary),
      Shake(kTotalShakingMoment, "M Shake All", "Total Shaking Moment", N::EngineResults, &T::ShakingMoment,
            kTotal),
      // The torque on the frame; no plot list offers it.
      Scalar(0, "T Shake", "Shaking Torque", N::EngineResults, &T::ShakingTorque, kTotalTorque),
      Scalar(kFlywheelTorque, "T Flywheel", "Flywheel-Smoothed Torque", N::FlywheelResults, &T::SmoothedTorque),
      // The one cylinder's total shaking force as the one-cylinder pass left
      // it, before the counterweight: the balancing screen compares the two.
      Shake(kUnbalancedShakingForce, "F Unbalanced", "Total Shaking Force Without Counterweight", N::SingleResults,
            &T::SingleShakingForce, kTotal),
  };
}

}  // namespace

const std::vector<ResultEntry>& ResultCatalogue() {
  static const std::vector<ResultEntry> kEntries = Build();
  return kEntries;
}

const ResultEntry& PlotFunction(int number) {
  for (const ResultEntry& e : ResultCatalogue())
    if (e.function == number && number != 0) return e;
  RaiseError(err::SubscriptOutOfRange);
}

bool Offered(const EngineDesignRecord& d, const ResultEntry& e) {
  switch (e.needs) {
    case ResultNeeds::SingleResults: return d.SingleResultsValid;
    case ResultNeeds::BalanceResults: return d.BalanceResultsValid;
    case ResultNeeds::EngineResults: return d.EngineResultsValid;
    case ResultNeeds::FlywheelResults: return d.FlywheelResultsValid;
  }
  return false;
}

bool HasRotatingFrame(const ResultEntry& e) { return e.source == S::PinForce; }

std::string ShownName(const EngineDesignRecord& d, const ResultEntry& e, bool longName) {
  const std::string name = longName ? e.longName : e.shortName;
  const bool severalCylinders = d.Arrangement != 0 && d.NumCylinders > 1;
  return e.engineSum && d.EngineResultsValid && severalCylinders ? name + " (engine sum)" : name;
}

ResultXY ResultAt(const CrankAngleTable& t, const ResultEntry& e, int row, bool rotating) {
  if (row < 0 || row > kLastRow) RaiseError(err::SubscriptOutOfRange);
  switch (e.source) {
    case S::Scalar: return {(t.*e.column)[row], 0};
    case S::PinForce: {
      const int c = e.pinColumn + (rotating ? kRotatedOffset : 0);
      return {t.PinForceX[row][c], t.PinForceY[row][c]};
    }
    case S::Shaking: {
      const auto& r = (t.*e.shaking)[row];
      return {r[ShakingColumn(0, kX, e.group)], r[ShakingColumn(0, kY, e.group)]};
    }
  }
  RaiseError(err::SubscriptOutOfRange);
}

double ShownResult(const EngineDesignRecord& d, const ResultEntry& e, double held) {
  return ToDisplay(held, e.unitSlot, d.UnitSystem);
}

const std::string& ResultUnit(const EngineDesignRecord& d, const ResultEntry& e) { return d.UnitLabel[e.unitSlot]; }

}  // namespace zorvan
