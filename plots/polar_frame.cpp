#include "plots/polar_frame.h"

#include <cmath>

namespace zorvan {

PolarFrame MakePolarFrame(float r, int n) {
  PolarFrame f;
  f.r = r == 0 ? 0.0001f : r;
  if (!std::isfinite(f.r) || std::fabs(1.115 * f.r) > kPlotMagnitudeLimit || n < 1) {
    f.overflow = true;
    return f;
  }
  const double m = f.r;
  f.left = -1.1 * m;
  f.right = 1.1 * m;
  f.top = 1.115 * m;
  f.bottom = -1.115 * m;
  f.lines.push_back({-m, 0, m, 0});
  f.lines.push_back({0, -m, 0, m});
  const float h = 0.01f * f.r, step = f.r / static_cast<float>(n);
  // The tick positions run in single precision, as the window routines always did.
  for (float v = -f.r; v <= f.r; v += step) {
    f.lines.push_back({v, -h, v, h});
    f.lines.push_back({-h, v, h, v});
  }
  return f;
}

std::string PolarOverflowText(const std::string& name) {
  return "The magnitude of " + name + " exceeds the capacity of this window.\r\n";
}

}  // namespace zorvan
