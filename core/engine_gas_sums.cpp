// Engine gas sums: each cylinder after the first in the firing order adds the
// one cylinder's curve, delayed by its firing angle, to the undelayed curve.
#include <cmath>
#include <string>

#include "core/assembly_steps.h"
#include "core/number_text.h"

namespace zorvan {

namespace {

constexpr int kCycleRows = kLastRow;  // 720 degrees: the delays use this scale for both cycles

// The cylinder named by a firing-order entry, or 0 when it names none.
int CylinderOf(float entry, int cylinders) {
  if (!std::isfinite(entry) || std::fabs(entry) > 32767) return 0;
  const int c = static_cast<int>(std::nearbyint(entry));  // halves to even
  return c >= 1 && c <= cylinders ? c : 0;
}

// Rows of delay for a firing angle, wrapped into one cycle so that an angle
// outside 0..720 degrees still reads inside the cycle.
int DelayRows(float firingAngle) {
  const double rows = std::floor(Chk(static_cast<double>(firingAngle) / 720 * kCycleRows + 0.5));
  double wrapped = std::fmod(rows, kCycleRows);
  if (wrapped < 0) wrapped += kCycleRows;
  return static_cast<int>(wrapped);
}

// A single cylinder has no further cylinders, whatever the count says.
int FiringPositions(const EngineDesignRecord& d) { return d.Arrangement == 0 ? 1 : d.NumCylinders; }

}  // namespace

std::string FiringOrderWarning(const EngineDesignRecord& d, const std::array<int, kMaxCylinders + 1>& positions,
                               int count) {
  const char* cr = "\r";
  std::string text = " The firing order holds entries that are not cylinder numbers 1 to " +
                     std::to_string(d.NumCylinders) + ":" + cr;
  for (int i = 0; i < count; ++i) {
    const float entry = d.FiringOrder[positions[i]];
    text += "    position " + std::to_string(positions[i]) + ":" +
            (std::isfinite(entry) ? Str(entry) : std::string(" not a number")) + cr;
  }
  return text + cr + " They are left out of the engine's gas force, gas torque and friction sums.";
}

FiringDelays ReadFiringDelays(const EngineDesignRecord& d, Ui& ui) {
  FiringDelays delays;
  std::array<int, kMaxCylinders + 1> invalid{};
  int invalidCount = 0;
  const int positions = FiringPositions(d);
  for (int j = 2; j <= positions; ++j) {
    const int c = CylinderOf(d.FiringOrder[j], d.NumCylinders);
    if (c == 0) {
      invalid[invalidCount++] = j;
      continue;
    }
    delays.rows[delays.count++] = DelayRows(d.FiringAngle[c]);
  }
  if (invalidCount > 0) ui.Message(FiringOrderWarning(d, invalid, invalidCount), Buttons::Ok, Icon::Warning);
  return delays;
}

namespace {

// to[k] += from[k] for k < count; the two never overlap.
void AddRows(float* __restrict to, const float* __restrict from, int count) {
  for (int k = 0; k < count; ++k) to[k] += from[k];
}

}  // namespace

void SumDelayed(const Column& single, Column& engine, const FiringDelays& delays) {
  if (&single == &engine) RaiseError(err::InvalidCall);
  engine = single;
  for (int j = 0; j < delays.count; ++j) {
    // Row k takes the curve's row (k - e) mod one cycle: rows before the
    // delay reach back into the end of the cycle; 720 degrees is 0 again.
    const int e = delays.rows[j];
    AddRows(engine.data(), single.data() + kCycleRows - e, e);
    AddRows(engine.data() + e, single.data(), kCycleRows - e);
    engine[kLastRow] += single[e == 0 ? 0 : kCycleRows - e];
  }
  // Single-precision sums of finite values: an overflow shows as infinity.
  for (float v : engine)
    if (!std::isfinite(v)) RaiseError(err::Overflow);
}

void EngineGasSums(EngineDesignRecord& d, const FiringDelays& delays) {
  SumDelayed(d.table.SingleGasForce, d.table.GasForce, delays);
  SumDelayed(d.table.SingleGasTorque, d.table.GasTorque, delays);
}

}  // namespace zorvan
