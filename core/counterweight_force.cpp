// The counterweight force column: the angles first (a running sum, in order),
// then the force of every row from them. The sine and cosine of a
// single-precision angle are taken in single precision.
#include "core/counterweight_force.h"

#include <cmath>

#include "core/checked.h"

namespace zorvan {

void CounterweightForces(const EngineDesignRecord& d, int last, CounterweightColumns& force) {
  const double massRadius = Chk(static_cast<double>(d.CounterweightMass) * d.CounterweightRadius);
  const double amplitude = Chk(massRadius * d.OmegaSquared);
  float degrees = d.CounterweightAngle - 3.0f;
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    degrees += 3.0f;
    const float radians = Single(static_cast<double>(degrees) * 0.017453292522222223, faults);
    force.x[row] = Single(amplitude * std::cos(radians), faults);
    force.y[row] = Single(amplitude * std::sin(radians), faults);
  }
  if (faults != 0) RaiseError(err::Overflow);
}

}  // namespace zorvan
