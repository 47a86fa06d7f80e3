#include "core/grid_axis.h"

#include <cmath>
#include <cstdlib>

#include "core/number_text.h"

namespace zorvan {

double GridAxis::Count() const {
  const double steps = (to - from) / step;
  if (!std::isfinite(steps) || steps < 0) return 0;
  return std::floor(steps + 1e-9) + 1;  // the last value may fall short of TO by rounding
}

double GridAxis::Value(std::size_t k) const {
  return std::strtod(DigitsText(from + static_cast<double>(k) * step).c_str(), nullptr);
}

}  // namespace zorvan
