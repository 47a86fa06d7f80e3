// Rod load: the load is sampled every 3 degrees; the time spent in each
// direction is measured between the crossings, found by straight-line
// interpolation between rows, so a reversal is not rounded to 3-degree steps.
#include "core/rod_load.h"

#include <algorithm>
#include <cmath>

#include "core/error_report.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

constexpr double kDegreesPerRow = 3;
constexpr const char* CR = "\r";

// Degrees of the interval from row i to i + 1 with the load above zero and below it.
void SplitInterval(double a, double b, double& above, double& below) {
  if (a >= 0 && b >= 0) {
    if (a > 0 || b > 0) above += kDegreesPerRow;
    return;
  }
  if (a <= 0 && b <= 0) {
    below += kDegreesPerRow;
    return;
  }
  const double crossing = kDegreesPerRow * a / (a - b);  // where the straight line meets zero
  (a > 0 ? above : below) += crossing;
  (a > 0 ? below : above) += kDegreesPerRow - crossing;
}

std::string SpeedName(int16_t index) {
  switch (index) {
    case 1: return "idle";
    case 3: return "redline";
    default: return "mid range";
  }
}

}  // namespace

RodLoad RodLoadOf(const EngineDesignRecord& d) {
  if (!d.SingleResultsValid) throw RunTimeError(err::InvalidCall, "There are no one-cylinder results");
  const int last = d.StrokeCycle == 2 ? kLastRow / 2 : kLastRow;
  const CrankAngleTable& t = d.table;
  RodLoad r;
  double above = 0, below = 0;
  for (int row = 0; row <= last; ++row) {
    const double load = t.PinForceX[row][kWristpin];
    if (!std::isfinite(load)) RaiseError(err::Overflow);
    if (load > r.PeakCompression) {
      r.PeakCompression = static_cast<float>(load);
      r.PeakCompressionAngle = t.CrankAngle[row];
    }
    if (-load > r.PeakTension) {
      r.PeakTension = static_cast<float>(-load);
      r.PeakTensionAngle = t.CrankAngle[row];
    }
    if (row < last) SplitInterval(load, t.PinForceX[row + 1][kWristpin], above, below);
  }
  if (r.PeakCompression > 0 && r.PeakTension > 0) {
    // The reversal lasts as long as the shorter direction; its strength is
    // read as compressor practice reads it, the smaller peak over the larger.
    r.ReversalDegrees = std::min(above, below);
    const double smaller = std::min(r.PeakTension, r.PeakCompression);
    const double larger = std::max(r.PeakTension, r.PeakCompression);
    r.ReversalPercent = 100 * smaller / larger;
  }
  r.MinimumsMet = r.ReversalDegrees >= kMinimumReversalDegrees && r.ReversalPercent >= kMinimumReversalPercent;
  return r;
}

bool RodLoadCalculation(const EngineDesignRecord& d, MessageList& messages, RodLoad& out) {
  RodLoad fresh;
  if (!Guarded(messages, "Rod_Load", [&] { fresh = RodLoadOf(d); })) return false;
  out = fresh;
  return true;
}

std::string RodLoadText(const EngineDesignRecord& d, const RodLoad& r) {
  const std::string force = d.UnitLabel[kForceSlot];
  const int16_t rpm = d.SpeedIndex == 1 ? d.IdleRPM : d.SpeedIndex == 3 ? d.RedlineRPM : static_cast<int16_t>(d.MidRPM);
  const int cycle = d.StrokeCycle == 2 ? 360 : 720;
  auto line = [&](const std::string& label, float value, float angle) {
    return label + FNRoundStr(value, 1) + "  " + force + "  at " + Str(angle) + " deg" + CR;
  };
  std::string s = std::string(" ROD LOAD AT THE WRISTPIN") + CR + CR;
  s += " " + d.MachineType + " at" + Str(static_cast<int>(rpm)) + " rpm (" + SpeedName(d.SpeedIndex) +
       "), over one cycle of" + Str(cycle) + " deg" + CR + CR;
  s += line(" Peak compression (rod pushes the piston):  ", r.PeakCompression, r.PeakCompressionAngle);
  s += line(" Peak tension (rod pulls the piston):       ", r.PeakTension, r.PeakTensionAngle);
  s += std::string(CR) + " Load reversal: " + FNRoundStr(r.ReversalDegrees, 1) + " deg of crank angle, " +
       "the smaller peak " + FNRoundStr(r.ReversalPercent, 1) + " % of the larger" + CR + CR;
  s += r.MinimumsMet ? " The practice minimums (15 deg and 3 %) are met."
                     : " The practice minimums (15 deg and 3 %) are NOT met.";
  return s + CR;
}

}  // namespace zorvan
