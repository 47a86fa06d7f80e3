// The flywheel calculation: the torque's extremes and average, its energy
// pulses and their table, the torque a flywheel of the chosen coefficient of
// fluctuation leaves, and the flywheel that achieves it.
#include "core/flywheel.h"

#include <algorithm>
#include <cmath>

#include "core/checked.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/pulse_areas.h"
#include "core/error_report.h"

namespace zorvan {

namespace {

constexpr int kPulseCapacity = 20;
constexpr double kStepRadians = 0.05235987756666667;  // 3 degrees

std::string UnitLine(const EngineDesignRecord& d) {
  if (d.UnitSystem == 4 || d.UnitSystem == 5) return "     m - " + d.UnitLabel[kForceSlot] + " - Radians";
  return "     " + d.UnitLabel[kLengthSlot] + " - " + d.UnitLabel[kForceSlot] + " - Radians";
}

std::string AreaText(float area) { return Str(static_cast<float>(FNRound(area, 1))); }

std::vector<std::string> EnergyLines(const EngineDesignRecord& d, const PulseCount& pulses, float average) {
  std::vector<std::string> lines = {" Areas of Camshaft Torque", " Pulses in Order over 1 cycle ", "",
                                    "    in Energy Units of :", UnitLine(d), ""};
  const bool negativeFirst = pulses.firstSign < 0;
  lines.push_back(negativeFirst ? " Order   Neg Area   Pos Area" : " Order   Pos Area   Neg Area");
  lines.push_back("----------------------------------------------");
  // Rows past the capacity could only hold pulses that were never counted.
  const int rows = std::min(kPulseCapacity, static_cast<int>(std::nearbyint((pulses.count + 1) / 2.0)));
  for (int k = 1; k <= rows; ++k) {
    const float first = negativeFirst ? d.NegativeAreas[k] : d.PositiveAreas[k];
    const float other = negativeFirst ? d.PositiveAreas[k] : d.NegativeAreas[k];
    lines.push_back(Str(k) + "   " + AreaText(first) + "   " + AreaText(other));
  }
  lines.push_back("");
  lines.push_back("    Average Torque:");
  lines.push_back("   " + Str(static_cast<float>(FNRound(average, 2))) + "  " + d.UnitLabel[kTorqueSlot]);
  return lines;
}

// The range of the running energy of the torque about its average over the cycle.
double EnergySwing(const Column& torque, int last, double average) {
  double energy = 0, lowest = 0, highest = 0;
  for (int row = 1; row <= last; ++row) {
    energy = Chk(energy + (torque[row - 1] - average + torque[row] - average) / 2 * kStepRadians);
    lowest = std::min(lowest, energy);
    highest = std::max(highest, energy);
  }
  return highest - lowest;
}

void Calculate(EngineDesignRecord& d, FlywheelResult& result) {
  CrankAngleTable& t = d.table;
  const int last = d.LastStep;
  if (last < 1 || last > kLastRow) RaiseError(err::SubscriptOutOfRange);
  // Outside this range the flywheel would come out negative, infinite or as large as none at all.
  if (!(d.CoefFluct > 0 && d.CoefFluct <= 1))
    throw RunTimeError(err::InvalidCall, "CoefFluct must be above 0 and at most 1");
  float average = 0;
  MaxMinAvg(t.TotalTorque, last, d.TorqueMinNoFlywheel, d.TorqueMaxNoFlywheel, average);

  const PulseCount pulses = PulseAreas(t.TotalTorque, 1, last, average, kStepRadians, d.PositiveAreas,
                                       d.NegativeAreas, kPulseCapacity);
  result.pulseCount = pulses.count;
  result.firstSign = pulses.firstSign;
  result.averageTorque = average;

  for (int row = 0; row <= last; ++row)
    t.SmoothedTorque[row] =
        Sng(average + Chk(static_cast<double>(t.TotalTorque[row]) - average) * d.CoefFluct);
  float smoothedAverage = 0;
  MaxMinAvg(t.SmoothedTorque, last, d.TorqueMinFlywheel, d.TorqueMaxFlywheel, smoothedAverage);

  // The flywheel that keeps the speed within CoefFluct: dE = I * Cs * w^2.
  result.energySwing = EnergySwing(t.TotalTorque, last, average);
  const double omega = d.Omega;
  result.flywheelInertia = Div(result.energySwing, Chk(Chk(static_cast<double>(d.CoefFluct) * omega) * omega));
}

}  // namespace

std::vector<std::string> EnergyTable(const EngineDesignRecord& d, const FlywheelResult& result) {
  return EnergyLines(d, PulseCount{result.pulseCount, result.firstSign}, result.averageTorque);
}

bool FlywheelCalculation(EngineDesignRecord& d, MessageList& messages, FlywheelResult& result) {
  d.FlywheelResultsValid = false;
  FlywheelResult fresh;
  const bool ok = Guarded(messages, "Flywheel", [&] { Calculate(d, fresh); });
  if (!ok) return false;
  result = std::move(fresh);
  d.FlywheelResultsValid = true;
  return true;
}

}  // namespace zorvan
