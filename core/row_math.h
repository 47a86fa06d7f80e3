#pragma once
// Sine, cosine and arctangent written as plain arithmetic with selects between
// values already formed (never a branch or a library call), so that the loops over the rows vectorise.
// Both keep to within about one unit in the last place of a double, far below
// the single precision the results are stored in. The coefficients are the
// classic minimax ones (fdlibm's sine and cosine kernels, Cephes' arctangent).
#include <cfloat>
#include <cmath>

// The loops over the rows are built three times, for processors with AVX-512
// (x86-64 level 4), with AVX2 (level 3) and for any other; the loader picks
// the one the processor runs. Products are never fused into multiply-adds
// (the build says so), so all three round alike and give the same bits.
#if defined(__x86_64__) && !defined(__clang__) && defined(__GNUC__) && __GNUC__ >= 12  // the level names
#define ZORVAN_ROW_LOOP [[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#else
#define ZORVAN_ROW_LOOP
#endif

namespace zorvan {

namespace row_math {

// sin and cos of |x| <= pi/4.
[[gnu::always_inline]] inline double SinKernel(double x) {
  const double z = x * x, v = z * x;
  const double r = 8.33333333332248946124e-03 +
                   z * (-1.98412698298579493134e-04 +
                        z * (2.75573137070700676789e-06 + z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)));
  return x + v * (-1.66666666666666324348e-01 + z * r);
}

[[gnu::always_inline]] inline double CosKernel(double x) {
  const double z = x * x, w = z * z;
  const double r = z * (4.16666666666666019037e-02 + z * (-1.38888888888741095749e-03 + z * 2.48015872894767294178e-05)) +
                   w * w * (-2.75573143513906633035e-07 + z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11));
  const double hz = 0.5 * z, one = 1.0 - hz;
  return one + (((1.0 - one) - hz) + z * r);
}

}  // namespace row_math

// sin t and cos t for |t| <= pi/2. Beyond pi/4 the kernels take pi/2 - |t|,
// with pi/2 in two parts so that the difference stays exact.
[[gnu::always_inline]] inline void SinCosHalfTurn(double t, double& s, double& c) {
  const double a = std::fabs(t);
  const bool far = a > 0.78539816339744830962;
  const double rest = (1.57079632673412561417 - a) + 6.07710050650619224932e-11;
  const double u = far ? rest : a;
  const double su = row_math::SinKernel(u), cu = row_math::CosKernel(u);
  const double sa = far ? cu : su, minusSa = -sa;
  s = t < 0 ? minusSa : sa;
  c = far ? su : cu;
}

// The largest |x| SinCosOf reduces exactly; beyond it callers use the library.
constexpr double kReducibleAngle = 1.0e5;

// sin x and cos x for |x| <= kReducibleAngle: x less the nearest multiple n of
// pi/2 (pi/2 in three parts, n times the first two exact), then the kernels by the
// quarter turn n mod 4. Rounding to n adds and takes away 1.5 * 2^52.
[[gnu::always_inline]] inline void SinCosOf(double x, double& s, double& c) {
  constexpr double kShift = 6755399441055744.0;
  const double n = (x * 6.36619772367581382433e-01 + kShift) - kShift;
  const double r =
      ((x - n * 1.57079632673412561417) - n * 6.07710050630396597660e-11) - n * 2.02226624879595063154e-21;
  const double quarter = n - 4.0 * ((n * 0.25 + kShift) - kShift);  // -2 .. 2
  const double sr = row_math::SinKernel(r), cr = row_math::CosKernel(r);
  const bool odd = quarter == 1.0 || quarter == -1.0;
  const double so = odd ? cr : sr, co = odd ? sr : cr;
  const double minusSo = -so, minusCo = -co;
  const bool half = quarter == 2.0 || quarter == -2.0;
  s = (half || quarter == -1.0) ? minusSo : so;
  c = (half || quarter == 1.0) ? minusCo : co;
}

// atan y for every y: beyond tan(3 pi/8) it takes pi/2 - atan(1/y), beyond
// 0.66 pi/4 + atan((y - 1)/(y + 1)), then a rational function of y^2.
[[gnu::always_inline]] inline double AtanOf(double y) {
  const double a = std::fabs(y);
  const bool big = a > 2.41421356237309504880, mid = a > 0.66;
  // One division serves all three ranges: -1/a, (a - 1)/(a + 1) or a/1.
  const double x = (big ? -1.0 : (mid ? a - 1.0 : a)) / (big ? a : (mid ? a + 1.0 : 1.0));
  const double base = big ? 1.57079632679489661923 : (mid ? 0.78539816339744830962 : 0.0);
  const double extra = big ? 6.123233995736765886130e-17 : (mid ? 3.061616997868382943065e-17 : 0.0);
  const double z = x * x;
  const double p = (((-8.750608600031904122785e-01 * z - 1.615753718733365076637e+01) * z -
                     7.500855792314704667340e+01) * z - 1.228866684490136173410e+02) * z - 6.485021904942025371773e+01;
  const double q = ((((z + 2.485846490142306297962e+01) * z + 1.650270098316988542046e+02) * z +
                     4.328810604912902668951e+02) * z + 4.853903996359136964868e+02) * z + 1.945506571482613964425e+02;
  const double r = base + ((x * (z * p / q) + x) + extra);
  return std::copysign(r, y);  // r >= 0; -0 keeps its sign
}

// 1 when v is NaN or beyond the float range: the loops count these and raise
// the overflow once, after the rows.
[[gnu::always_inline]] inline int OutOfFloat(double v) { return std::fabs(v) <= FLT_MAX ? 0 : 1; }

}  // namespace zorvan
