#pragma once
// One input varied over a grid, by the command line's sweep and the design
// study alike: FROM, FROM + STEP, FROM + 2 STEP, ... up to TO, a value within
// a billionth of a step of TO counting as TO. Each value is the 9-digit
// decimal of FROM + k STEP, so the grid reads 2.4, 2.52, ... 3.48, 3.6 rather
// than 3.4799999999999995.
#include <cstddef>

namespace zorvan {

struct GridAxis {
  double from = 0, to = 0, step = 0;

  // The number of values; 0 when the step is 0, not finite, or leads away from TO.
  double Count() const;
  double Value(std::size_t k) const;
};

}  // namespace zorvan
