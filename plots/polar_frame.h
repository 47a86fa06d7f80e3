#pragma once
// The frame of a polar window: its scale from the data magnitude, the two
// axes through the origin and their tick marks. Polar plots, the balancing
// screen's comparison and any other picture of vectors are drawn in it.
#include <string>
#include <vector>

#include "plots/plot_model.h"

namespace zorvan {

struct PolarFrame {
  float r = 0;  // the data magnitude; 0.0001 for data that are zero everywhere
  double left = 0, top = 0, right = 0, bottom = 0;  // x and y both in the data's unit
  bool overflow = false;                          // the window cannot take the magnitude
  std::vector<PlotSegment> lines;                 // axes and tick marks, in black
};

// The window of magnitude r with n tick divisions a half axis: scale from
// -1.1 r to 1.1 r across and 1.115 r up and down, the axes from -r to r, and
// ticks of 0.01 r every r/n along both.
PolarFrame MakePolarFrame(float r, int n);

// "The magnitude of NAME exceeds the capacity of this window." and a line break.
std::string PolarOverflowText(const std::string& name);

}  // namespace zorvan
