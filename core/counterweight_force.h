#pragma once
// The counterweight's centrifugal force over the cycle, shared by the
// counterweight pass and the single-cylinder engine of the multi-cylinder pass.
#include <cmath>

#include "core/checked.h"
#include "core/design_record.h"
#include "core/forces.h"

namespace zorvan {

// Calls f(row, fx, fy) for rows 0..last with the counterweight force of the
// row, the counterweight standing CounterweightAngle + 3*row degrees from
// the crank's reference. The angle is a running single-precision sum.
template <class F>
void ForEachCounterweightForce(const EngineDesignRecord& d, int last, F&& f) {
  const double massRadius = Chk(static_cast<double>(d.CounterweightMass) * d.CounterweightRadius);
  const double amplitude = Chk(massRadius * d.OmegaSquared);
  float degrees = d.CounterweightAngle - 3.0f;
  for (int row = 0; row <= last; ++row) {
    degrees += 3.0f;
    const float radians = Sng(static_cast<double>(degrees) * 0.017453292522222223);
    f(row, Sng(amplitude * std::cos(radians)), Sng(amplitude * std::sin(radians)));
  }
}

// Adds the counterweight force to the primary and total columns of slot 1
// (the cylinder) and slot 0 (the engine) of one row of ShakingForce.
inline void AddCounterweightToShaking(std::array<float, kShakingColumns>& row, float fx, float fy) {
  for (int slot : {1, 0}) {
    for (int group : {kPrimary, kTotal}) {
      float& x = row[ShakingColumn(slot, kX, group)];
      float& y = row[ShakingColumn(slot, kY, group)];
      x = ZeroBelow(Sng(static_cast<double>(x) + fx), kOneCylinderZero);
      y = ZeroBelow(Sng(static_cast<double>(y) + fy), kOneCylinderZero);
    }
  }
}

}  // namespace zorvan
