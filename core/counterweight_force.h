#pragma once
// The counterweight's centrifugal force over the cycle, shared by the
// counterweight pass and the single-cylinder engine of the multi-cylinder pass.
#include "core/design_record.h"
#include "core/forces.h"

namespace zorvan {

// The counterweight force of rows 0..last, the counterweight standing
// CounterweightAngle + 3*row degrees from the crank's reference (a running
// single-precision sum). An angle or force beyond range is an overflow.
struct CounterweightColumns {
  Column x{}, y{};
};
void CounterweightForces(const EngineDesignRecord& d, int last, CounterweightColumns& force);

// Adds the counterweight force to the primary and total columns of slot 1
// (the cylinder) and slot 0 (the engine) of one row of ShakingForce.
[[gnu::always_inline]] inline void AddCounterweightToShaking(std::array<float, kShakingColumns>& row, float fx,
                                                             float fy, int& faults) {
  for (int slot : {1, 0}) {
    for (int group : {kPrimary, kTotal}) {
      float& x = row[ShakingColumn(slot, kX, group)];
      float& y = row[ShakingColumn(slot, kY, group)];
      x = Zeroed(static_cast<double>(x) + fx, faults);
      y = Zeroed(static_cast<double>(y) + fy, faults);
    }
  }
}

}  // namespace zorvan
