// Exact slider-crank solution (no harmonic series). Every intermediate result
// is checked, so a degenerate linkage ends in a run-time error, never in NaN.
#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"
#include "core/slider_crank.h"

namespace zorvan {

SliderCrankResult SolveSliderCrank(double theta2, double omega2, double alpha2, double a, double b,
                                   double c) {
  return SolveSliderCrank(std::sin(theta2), std::cos(theta2), omega2, alpha2, a, b, c);
}

SliderCrankResult SolveSliderCrank(double s2, double c2, double omega2, double alpha2, double a, double b,
                                   double c) {
  // The rod angle lies on the far side of the crank centre; the arcsine is
  // taken in single precision and gives 0 for a rod shorter than the crank.
  const double rise = Div(-Chk(Chk(a * s2) - c), b);
  const double theta3 = static_cast<double>(FNArcSin(Sng(rise))) + kPi;
  const double s3 = std::sin(theta3);
  const double c3 = std::cos(theta3);

  SliderCrankResult r{};
  r.theta3 = theta3;
  r.position = Chk(Chk(a * c2) - Chk(b * c3));
  r.omega3 = Chk(Div(a, b) * Div(c2, c3) * omega2);
  r.velocity = Chk(Chk(-a * omega2 * s2) + Chk(b * r.omega3 * s3));
  const double w2sq = Chk(omega2 * omega2);
  const double w3sq = Chk(r.omega3 * r.omega3);
  r.alpha3 = Div(Chk(alpha2 * a * c2) - Chk(w2sq * a * s2) + Chk(w3sq * b * s3), Chk(b * c3));
  r.acceleration = Chk(Chk(-a * Chk(Chk(alpha2 * s2) + Chk(w2sq * c2))) +
                       Chk(b * Chk(Chk(r.alpha3 * s3) + Chk(w3sq * c3))));
  return r;
}

}  // namespace zorvan
