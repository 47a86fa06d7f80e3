#include "core/firing_order.h"

#include <algorithm>
#include <cmath>

namespace zorvan {

int FiredCylinder(const EngineDesignRecord& d, int j) {
  if (j < 1 || j > kMaxCylinders) return 0;
  const float entry = d.FiringOrder[j];
  if (!std::isfinite(entry)) return 0;
  const double k = std::nearbyint(entry);  // half to even, as a whole number is taken
  const int cylinders = std::clamp<int>(d.NumCylinders, 0, kMaxCylinders);
  return k >= 1 && k <= cylinders ? static_cast<int>(k) : 0;
}

}  // namespace zorvan
