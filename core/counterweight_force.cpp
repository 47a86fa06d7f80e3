// The counterweight force column: the angles first (a running sum, in order),
// then the force of every row from them.
#include "core/counterweight_force.h"

#include <cmath>

#include "core/checked.h"

namespace zorvan {

namespace {

// The single-precision cosine and sine of the counterweight's angle on each
// row. They depend on the starting angle alone, which a study seldom varies,
// so each thread keeps the last set it formed.
struct CounterweightTurn {
  float start = NAN;  // never equal, not even to itself, until filled
  int last = -1;
  Column cos{}, sin{};
};

const CounterweightTurn& TurnFrom(float start, int last) {
  thread_local CounterweightTurn turn;
  if (turn.start == start && turn.last == last) return turn;
  float degrees = start - 3.0f;
  for (int row = 0; row <= last; ++row) {
    degrees += 3.0f;
    const float radians = Sng(static_cast<double>(degrees) * 0.017453292522222223);
    turn.cos[row] = std::cos(radians);
    turn.sin[row] = std::sin(radians);
  }
  turn.start = start;
  turn.last = last;
  return turn;
}

}  // namespace

void CounterweightForces(const EngineDesignRecord& d, int last, CounterweightColumns& force) {
  const double massRadius = Chk(static_cast<double>(d.CounterweightMass) * d.CounterweightRadius);
  const double amplitude = Chk(massRadius * d.OmegaSquared);
  const CounterweightTurn& turn = TurnFrom(d.CounterweightAngle, last);
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    force.x[row] = Single(amplitude * turn.cos[row], faults);
    force.y[row] = Single(amplitude * turn.sin[row], faults);
  }
  if (faults != 0) RaiseError(err::Overflow);
}

}  // namespace zorvan
