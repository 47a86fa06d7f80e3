// Pulse areas: a positive counter p and a negative counter n start at 1; a
// change of sign moves on the counter of the other sign, so each new pulse
// finds its slot ready. The count returned is p + n.
#include "core/pulse_areas.h"

#include "core/checked.h"

namespace zorvan {

namespace {

void Credit(std::span<float> areas, int index, int capacity, double area) {
  if (index < 1 || index > capacity) RaiseError(err::SubscriptOutOfRange);
  areas[index] = Sng(static_cast<double>(areas[index]) + area);
}

}  // namespace

PulseCount PulseAreas(std::span<const float> values, int first, int last, double average, double step,
                      std::span<float> positive, std::span<float> negative, int capacity) {
  const int size = static_cast<int>(values.size());
  if (first < 0 || last >= size || capacity < 0 || capacity >= static_cast<int>(positive.size()) ||
      capacity >= static_cast<int>(negative.size()))
    RaiseError(err::SubscriptOutOfRange);
  for (int k = 1; k <= capacity; ++k) positive[k] = negative[k] = 0;

  PulseCount result;
  int p = 1, n = 1, previousSign = 0;
  for (int j = first + 1; j <= last; ++j) {
    const double before = Chk(values[j - 1] - average), here = Chk(values[j] - average);
    const double area = Chk((before + here) / 2 * step);
    const int sign = here >= 0 ? 1 : -1;
    if (previousSign == 0) result.firstSign = sign;
    if (sign > 0 && previousSign < 0) ++n;
    if (sign < 0 && previousSign > 0) ++p;
    previousSign = sign;
    if (sign > 0)
      Credit(positive, p, capacity, area);
    else
      Credit(negative, n, capacity, area);
  }
  result.count = p + n;
  return result;
}

}  // namespace zorvan
