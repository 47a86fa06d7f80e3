#pragma once
// The exact slider-crank solution of one crank position.

namespace zorvan {

struct SliderCrankResult {
  double theta3, omega3, alpha3, position, velocity, acceleration;
};
SliderCrankResult SolveSliderCrank(double theta2, double omega2, double alpha2, double a, double b, double c);
// The same with sin and cos of the crank angle already known.
SliderCrankResult SolveSliderCrank(double sinTheta2, double cosTheta2, double omega2, double alpha2, double a,
                                   double b, double c);

}  // namespace zorvan
