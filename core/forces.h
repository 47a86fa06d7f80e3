#pragma once
// Forces and torques of one cylinder for one row of the one-cylinder pass,
// from the two-mass model: MassAtCrankpin rotates, MassAtWristpin reciprocates.
#include <cmath>

#include "core/design_record.h"
#include "core/kinematics.h"

namespace zorvan {

// One-cylinder and counterweight results below this size are stored as 0.
constexpr float kOneCylinderZero = 0.015f;

// v, or exactly 0 when |v| < threshold; the comparison is made in single precision.
inline float ZeroBelow(float v, float threshold) { return std::fabs(v) < threshold ? 0.0f : v; }

// Primary, secondary and total shaking forces of the cylinder: slot 1 and the
// engine slot 0 of ShakingForce, and slot 0 of SingleShakingForce.
void StoreShakingForces(EngineDesignRecord& d, int row, const CrankRow& crank);

// Inertia, gas, total and shaking torque.
void StoreTorques(EngineDesignRecord& d, int row, const CrankRow& crank);

// Crankpin, wristpin, cylinder-wall and main-bearing forces (pin columns 1..4).
void StorePinForces(EngineDesignRecord& d, int row, const CrankRow& crank);

// The bearing and wall loss torque of a row from its pin forces: never
// positive while the friction coefficient and journal diameters are not negative.
float FrictionTorqueOf(const EngineDesignRecord& d, int row, double sinTheta, double cosTheta);

// Pin columns 0..4 turned by minus the crank angle into columns 5..9.
void StoreRotatedPinForces(EngineDesignRecord& d, int row, const CrankRow& crank);

// All of the above for one row, in the pass's order.
void StoreForcesAndTorques(EngineDesignRecord& d, int row, const CrankRow& crank);

}  // namespace zorvan
