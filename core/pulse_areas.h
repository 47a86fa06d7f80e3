#pragma once
// The energy pulses of a curve about its average: the areas above and below
// it, in the order they occur.
#include <span>

#include "core/crank_angle_table.h"

namespace zorvan {

struct PulseCount {
  int count = 0;      // the positive counter plus the negative counter
  int firstSign = 0;  // +1 when the first pulse lies above the average, -1 below
};

// Areas of values[first..last] about average, by trapezoids of width step,
// each credited to the sign of its right-hand end. positive[1..capacity] and
// negative[1..capacity] receive the pulses; a curve with more pulses of one
// sign raises error 9 before anything is written past them.
PulseCount PulseAreas(std::span<const float> values, int first, int last, double average, double step,
                      std::span<float> positive, std::span<float> negative, int capacity);

// The same for one column of a row-major table.
template <std::size_t Cols>
PulseCount PulseAreas(const std::array<std::array<float, Cols>, kRows>& table, int column, int first, int last,
                      double average, double step, std::span<float> positive, std::span<float> negative,
                      int capacity);

}  // namespace zorvan

#include "core/pulse_areas_impl.h"
