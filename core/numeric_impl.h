#pragma once
// Template parts of the numeric helpers.
#include "core/runtime_error.h"

namespace zorvan {

template <std::size_t Cols>
void MaxMin2(const std::array<std::array<float, Cols>, kRows>& table, int column, int first, int last,
             float& smallest, float& largest, int& rowSmallest, int& rowLargest) {
  if (column < 0 || column >= static_cast<int>(Cols) || first < 0 || last >= kRows || first > last)
    RaiseError(err::SubscriptOutOfRange);
  smallest = largest = table[first][column];
  rowSmallest = rowLargest = first;
  for (int i = first; i <= last; ++i) {
    float v = table[i][column];
    if (v < smallest) { smallest = v; rowSmallest = i; }
    if (v > largest) { largest = v; rowLargest = i; }
  }
}

}  // namespace zorvan
