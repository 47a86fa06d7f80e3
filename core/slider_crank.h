#pragma once
// The exact slider-crank solution of one crank position.
#include "core/numeric.h"
#include "core/row_math.h"

namespace zorvan {

struct SliderCrankResult {
  double theta3, omega3, alpha3, position, velocity, acceleration;
  double tanRod;  // tan(theta3 - pi): the rod's lean from the cylinder axis
  double rise;    // the sine of the rod angle before it is stored in single precision
};

// sin(pi) of the program's pi, 3.141592654: -(kPi - pi), pi taken in two parts.
constexpr double kSinOfProgramPi = -((kPi - 3.14159265358979323846) - 1.2246467991473531772e-16);

// The arcsine of a single-precision sine, as FNArcSin takes it: 0 for |x| >= 1.
[[gnu::always_inline]] inline float ArcSinOfSingle(float x) {
  const float v = 1.0f - x * x;
  const double root = std::sqrt(static_cast<double>(v > 0.0f ? v : 1.0f));
  const float angle = static_cast<float>(AtanOf(static_cast<double>(x) / root));
  return v > 0.0f ? angle : 0.0f;
}

// The solution without checks, for the loops over the rows; a rise beyond
// the float range is the only fault, and the caller tests it.
// The rod angle lies on the far side of the crank centre; the arcsine is
// taken in single precision and gives 0 for a rod shorter than the crank.
[[gnu::always_inline]] inline SliderCrankResult SliderCrankOf(double s2, double c2, double omega2, double alpha2,
                                                              double a, double b, double c) {
  SliderCrankResult r;
  r.rise = -((a * s2) - c) / b;
  r.theta3 = static_cast<double>(ArcSinOfSingle(static_cast<float>(r.rise))) + kPi;
  // theta3 - kPi is exact; the sine and cosine of theta3 follow from its own.
  const double t = r.theta3 - kPi;
  double st, ct;
  SinCosHalfTurn(t, st, ct);
  r.tanRod = st / ct;
  const double s3 = -st + kSinOfProgramPi * ct;
  const double c3 = -ct - kSinOfProgramPi * st;

  r.position = (a * c2) - (b * c3);
  r.omega3 = (a / b) * (c2 / c3) * omega2;
  r.velocity = (-a * omega2 * s2) + (b * r.omega3 * s3);
  const double w2sq = omega2 * omega2;
  const double w3sq = r.omega3 * r.omega3;
  r.alpha3 = ((alpha2 * a * c2) - (w2sq * a * s2) + (w3sq * b * s3)) / (b * c3);
  r.acceleration = (-a * ((alpha2 * s2) + (w2sq * c2))) + (b * ((r.alpha3 * s3) + (w3sq * c3)));
  return r;
}

// The same, checked: a rod of length 0 or a result beyond range is a run-time error.
SliderCrankResult SolveSliderCrank(double theta2, double omega2, double alpha2, double a, double b, double c);
// The same with sin and cos of the crank angle already known.
SliderCrankResult SolveSliderCrank(double sinTheta2, double cosTheta2, double omega2, double alpha2, double a,
                                   double b, double c);

}  // namespace zorvan
