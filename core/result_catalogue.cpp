#include "core/result_catalogue.h"

#include "core/display_units.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

using T = CrankAngleTable;
using S = ResultEntry::Source;
using N = ResultNeeds;

ResultEntry Scalar(int16_t f, const char* s, const char* l, int16_t slot, N needs, Column T::* column) {
  return {f, s, l, slot, false, needs, S::Scalar, column};
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
      Scalar(1, "Position", "Piston Position", 1, N::SingleResults, &T::PistonPosition),
      Scalar(2, "Velocity", "Piston Velocity", 2, N::SingleResults, &T::PistonVelocity),
      Scalar(3, "Accel", "Piston Acceleration", 3, N::SingleResults, &T::PistonAcceleration),
      Scalar(4, "F Gas", "Gas Force", 4, N::SingleResults, &T::GasForce),
      Scalar(5, "T Gas", "Gas Torque", 5, N::SingleResults, &T::GasTorque),
      Scalar(6, "T Inertia", "Inertia Torque", 6, N::SingleResults, &T::InertiaTorque),
      Scalar(7, "T Total", "Total Torque", 7, N::SingleResults, &T::TotalTorque),
      Scalar(8, "T Friction", "Friction Torque", 8, N::SingleResults, &T::FrictionTorque),
      Pin(9, "F Crank", "Crankpin Force F32", kCrankpin),
      Pin(10, "F Wrist", "Wristpin Force F34", kWristpin),
      Pin(11, "F Piston", "Sidewall Force F41", kWall),
      Pin(12, "F Main", "Mainpin Force F21", kMainBearing),
      // The one-cylinder pass leaves the cylinder's shaking force in the engine
      // columns; the moments come with the assembled engine.
      Shake(13, "F Shake 1", "Primary Shaking Force", N::SingleResults, &T::ShakingForce, kPrimary),
      Shake(14, "F Shake 2", "Secondary Shaking Force", N::SingleResults, &T::ShakingForce, kSecondary),
      Shake(15, "F Shake All", "Total Shaking Force", N::SingleResults, &T::ShakingForce, kTotal),
      Shake(16, "M Shake 1", "Primary Shaking Moment", N::EngineResults, &T::ShakingMoment, kPrimary),
      Shake(17, "M Shake 2", "Secondary Shaking Moment", N::EngineResults, &T::ShakingMoment, kSecondary),
      Shake(18, "M Shake All", "Total Shaking Moment", N::EngineResults, &T::ShakingMoment, kTotal),
      // The torque on the frame; no plot list offers it.
      Scalar(0, "T Shake", "Shaking Torque", 7, N::EngineResults, &T::ShakingTorque),
      Scalar(19, "T Flywheel", "Flywheel-Smoothed Torque", 19, N::FlywheelResults, &T::SmoothedTorque),
      // The one cylinder's total shaking force as the one-cylinder pass left
      // it, before the counterweight: the balancing screen compares the two.
      Shake(20, "F Unbalanced", "Total Shaking Force Without Counterweight", N::SingleResults,
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
