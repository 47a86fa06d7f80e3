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
[[gnu::always_inline]] inline void AddCounterweightToShaking(ShakingTable& table, int row, float fx, float fy,
                                                             int& faults) {
  auto add = [&](int slot, int group) {
    float& x = table.column(ShakingColumn(slot, kX, group))[row];
    float& y = table.column(ShakingColumn(slot, kY, group))[row];
    x = Zeroed(static_cast<double>(x) + fx, faults);
    y = Zeroed(static_cast<double>(y) + fy, faults);
  };
  // Written out, so that the loops over the rows stay straight runs of arithmetic.
  add(1, kPrimary);
  add(1, kTotal);
  add(0, kPrimary);
  add(0, kTotal);
}

}  // namespace zorvan
