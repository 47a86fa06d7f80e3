// Exact slider-crank solution (no harmonic series). A degenerate linkage ends
// in a run-time error, never in NaN.
#include "core/slider_crank.h"

#include <cmath>

#include "core/checked.h"

namespace zorvan {

SliderCrankResult SolveSliderCrank(double theta2, double omega2, double alpha2, double a, double b,
                                   double c) {
  return SolveSliderCrank(std::sin(theta2), std::cos(theta2), omega2, alpha2, a, b, c);
}

SliderCrankResult SolveSliderCrank(double s2, double c2, double omega2, double alpha2, double a, double b,
                                   double c) {
  Div(-Chk(Chk(a * s2) - c), b);  // a rod of length 0: the classic fault of the division
  const SliderCrankResult r = SliderCrankOf(s2, c2, omega2, alpha2, a, b, c);
  Sng(r.rise);
  for (double v : {r.position, r.omega3, r.velocity, r.alpha3, r.acceleration}) Chk(v);
  return r;
}

}  // namespace zorvan
