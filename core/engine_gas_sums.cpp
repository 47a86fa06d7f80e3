// Engine gas sums: each cylinder after the first in the firing order adds the
// one cylinder's curve, delayed by its firing angle, to the undelayed curve;
// with a pressure column per cylinder, each adds its own curve.
#include <cmath>
#include <vector>
#include <string>

#include "core/assembly_steps.h"
#include "core/counterweight_force.h"
#include "core/number_text.h"
#include "core/pressure_trace.h"
#include "core/row_math.h"

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

std::string FiringOrderWarning(const EngineDesignRecord& d, const std::vector<FiringEntryFault>& faults) {
  const char* cr = "\r";
  bool strangers = false, repeats = false;
  for (const FiringEntryFault& f : faults) (f.repeated ? repeats : strangers) = true;
  const std::string count = std::to_string(d.NumCylinders);
  std::string text = strangers && repeats
                         ? " The firing order holds entries that are not cylinder numbers 1 to " + count +
                               ", or that name a cylinder again:"
                     : strangers ? " The firing order holds entries that are not cylinder numbers 1 to " + count + ":"
                                 : std::string(" The firing order names a cylinder more than once:");
  text += cr;
  for (const FiringEntryFault& f : faults) {
    const float entry = d.FiringOrder[f.position];
    text += "    position " + std::to_string(f.position) + ":" +
            (std::isfinite(entry) ? Str(entry) : std::string(" not a number"));
    if (f.repeated) text += " (again)";
    if (f.position == 1) text += " (the first to fire is still counted)";
    text += cr;
  }
  return text + cr + " They are left out of the engine's gas force, gas torque and friction sums.";
}

FiringDelays ReadFiringDelays(const EngineDesignRecord& d, MessageList& messages) {
  FiringDelays delays;
  std::vector<FiringEntryFault> faults;
  std::array<bool, kMaxCylinders + 1> named{};
  const int positions = FiringPositions(d);
  for (int j = 1; j <= positions; ++j) {
    const int c = CylinderOf(d.FiringOrder[j], d.NumCylinders);
    if (c == 0 || named[c]) {
      faults.push_back({j, c != 0});
      continue;
    }
    named[c] = true;
    // The first to fire is the curve itself; the others follow with their delays.
    if (j == 1) delays.first = c;
    if (j > 1) {
      delays.cylinders[delays.count] = c;
      delays.rows[delays.count++] = DelayRows(d.FiringAngle[c]);
    }
  }
  if (!faults.empty()) messages.Add(FiringOrderWarning(d, faults), Icon::Warning);
  return delays;
}

namespace {

// to[k] += from[k] for k < count; the two never overlap.
[[gnu::always_inline]] inline void AddRows(float* __restrict to, const float* __restrict from, int count) {
  for (int k = 0; k < count; ++k) to[k] += from[k];
}

// Row k takes the curve's row (k - e) mod one cycle: rows before the delay
// reach back into the end of the cycle; 720 degrees is 0 again.
[[gnu::always_inline]] inline void AddDelayed(float* __restrict engine, const float* __restrict single, int e) {
  AddRows(engine, single + kCycleRows - e, e);
  AddRows(engine + e, single, kCycleRows - e);
  engine[kLastRow] += single[e == 0 ? 0 : kCycleRows - e];
}

// Single-precision sums of finite values: an overflow shows as infinity.
void CheckSums(const Column& engine) {
  int faults = 0;
  for (float v : engine) faults += OutOfFloat(v);
  if (faults != 0) RaiseError(err::Overflow);
}

ZORVAN_ROW_LOOP void AddDelayedColumn(Column& engine, const Column& single, int e) {
  AddDelayed(engine.data(), single.data(), e);
}

// Every cylinder's gas force, gas torque and friction from its own pressure,
// each delayed by its firing angle.
void SumCylinderGas(EngineDesignRecord& d, const FiringDelays& delays) {
  CounterweightColumns counterweight;
  CounterweightForces(d, d.LastStep, counterweight);
  CylinderGas sum, one;
  CylinderGasOf(d, delays.first, counterweight, sum);
  for (int j = 0; j < delays.count; ++j) {
    CylinderGasOf(d, delays.cylinders[j], counterweight, one);
    AddDelayedColumn(sum.force, one.force, delays.rows[j]);
    AddDelayedColumn(sum.torque, one.torque, delays.rows[j]);
    AddDelayedColumn(sum.friction, one.friction, delays.rows[j]);
  }
  for (const Column* c : {&sum.force, &sum.torque, &sum.friction}) CheckSums(*c);
  d.table.GasForce = sum.force;
  d.table.GasTorque = sum.torque;
  d.table.FrictionTorque = sum.friction;
}

}  // namespace

ZORVAN_ROW_LOOP void SumDelayed(const Column& single, Column& engine, const FiringDelays& delays) {
  if (&single == &engine) RaiseError(err::InvalidCall);
  engine = single;
  for (int j = 0; j < delays.count; ++j) AddDelayed(engine.data(), single.data(), delays.rows[j]);
  CheckSums(engine);
}

void EngineGasSums(EngineDesignRecord& d, const FiringDelays& delays) {
  if (PerCylinderPressure(d)) {
    SumCylinderGas(d, delays);
    return;
  }
  SumDelayed(d.table.SingleGasForce, d.table.GasForce, delays);
  SumDelayed(d.table.SingleGasTorque, d.table.GasTorque, delays);
}

}  // namespace zorvan
