#pragma once
// The steps of the multi-cylinder pass, in the order the pass runs them:
// engine gas sums, harmonic sums, amplitudes and crank balance check, the
// shaking forces and moments row by row, then the torques.
#include <array>
#include <vector>
#include <cmath>
#include <limits>
#include <string>

#include "core/checked.h"
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {

// Multi-cylinder results below this size are stored as 0.
constexpr float kEngineZero = 0.12f;

// A multi-cylinder result as stored: single precision, zeroed below the
// threshold; a value beyond the float range (or NaN) is counted as a fault.
[[gnu::always_inline]] inline float EngineValue(double v, int& faults) {
  faults += std::fabs(v) <= std::numeric_limits<float>::max() ? 0 : 1;
  const float f = static_cast<float>(v);
  return std::fabs(f) < kEngineZero ? 0.0f : f;
}

// Row delays of the firing positions after the first that name a cylinder;
// each adds its cylinder's curve, delayed, to the undelayed first.
struct FiringDelays {
  std::array<int, kMaxCylinders + 1> rows{};
  std::array<int, kMaxCylinders + 1> cylinders{};  // the cylinder of each delay
  int count = 0;
  int first = 1;  // the undelayed cylinder: the first in the firing order (cylinder 1 when it names none)
};

// A firing position whose entry names no cylinder 1..n, or one named before.
struct FiringEntryFault {
  int position;
  bool repeated;
};
// Reads the firing order and angles; entries that are not cylinder numbers,
// and cylinders named again, are left out and named in one warning.
FiringDelays ReadFiringDelays(const EngineDesignRecord& d, MessageList& messages);
std::string FiringOrderWarning(const EngineDesignRecord& d, const std::vector<FiringEntryFault>& faults);
// engine[k] = single[k] + the sum over the delays e of single[(k - e) mod one cycle].
void SumDelayed(const Column& single, Column& engine, const FiringDelays& delays);
// GasForce and GasTorque of the engine from the one cylinder's; with a
// pressure column per cylinder, from each cylinder's own, and FrictionTorque too.
void EngineGasSums(EngineDesignRecord& d, const FiringDelays& delays);

// One cylinder's gas force from its own pressure column, its gas torque and
// its friction torque (the main bearing with the counterweight's force), by
// the one-cylinder pass's own formulas, over rows 0..LastStep.
struct CounterweightColumns;
struct CylinderGas {
  Column force{}, torque{}, friction{};
};
void CylinderGasOf(const EngineDesignRecord& d, int cylinder, const CounterweightColumns& counterweight,
                   CylinderGas& out);

// Amplitudes of the rotating, reciprocating and counterweight forces and of
// the inertia torque; then the crank balance check with its message.
void ComputeAmplitudes(EngineDesignRecord& d);
std::string BalanceMessage(const EngineDesignRecord& d);
void CheckCrankBalance(EngineDesignRecord& d, MessageList& messages);

// cos and sin of 1, 2 and 3 times an angle (index 1..3).
struct AngleMultiples {
  std::array<double, 4> c{}, s{};
};
[[gnu::always_inline]] inline AngleMultiples MultiplesOf(double cosU, double sinU) {
  AngleMultiples m;
  m.c[1] = cosU;
  m.s[1] = sinU;
  m.c[2] = cosU * cosU - sinU * sinU;
  m.s[2] = 2 * sinU * cosU;
  m.c[3] = cosU * m.c[2] - sinU * m.s[2];
  m.s[3] = sinU * m.c[2] + cosU * m.s[2];
  return m;
}

// The harmonic sums of one cylinder set for harmonics 1..3.
struct SetSums {
  std::array<double, 4> C{}, S{}, CZ{}, SZ{};
};
SetSums SumsOfSet(const HarmonicTable& h, int set);

// What every row of the shaking step needs besides its angle.
struct RowContext {
  double rotating, reciprocating, counterweight, inertiaTorque;  // amplitudes
  double radiusOverLength, half;                                 // r/L and r/2L
  double cosCounterweight, sinCounterweight;                     // of CounterweightAngle
  std::array<SetSums, 4> sets;                                   // sets 0..3
  std::array<double, 4> cosTilt{}, sinTilt{};                    // banks 1..3
  std::array<float, 4> bankCos{}, bankSin{};                     // banks 1..3, as stored
  int banks = 0;                                                 // 2 vee/opposed, 3 W
};
RowContext MakeRowContext(const EngineDesignRecord& d);

// The shaking step of each arrangement over all rows; each writes its slots
// of ShakingForce and ShakingMoment and the engine's InertiaTorque, and
// returns the number of results beyond the float range.
int InlineRows(CrankAngleTable& t, const RowContext& x);
int BankRows(CrankAngleTable& t, const RowContext& x);
// A single cylinder: the one-cylinder shaking force with its counterweight.
void SingleCylinderRows(EngineDesignRecord& d);

// TotalTorque, ShakingTorque and FrictionTorque of the engine.
void EngineTorques(EngineDesignRecord& d, const FiringDelays& delays);

}  // namespace zorvan
