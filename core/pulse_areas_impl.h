#pragma once
// Template part of the pulse areas.
#include "core/runtime_error.h"

namespace zorvan {

template <std::size_t Cols>
PulseCount PulseAreas(const std::array<std::array<float, Cols>, kRows>& table, int column, int first, int last,
                      double average, double step, std::span<float> positive, std::span<float> negative,
                      int capacity) {
  if (column < 0 || column >= static_cast<int>(Cols)) RaiseError(err::SubscriptOutOfRange);
  std::array<float, kRows> values{};
  for (int row = 0; row < kRows; ++row) values[row] = table[row][column];
  return PulseAreas(values, first, last, average, step, positive, negative, capacity);
}

}  // namespace zorvan
