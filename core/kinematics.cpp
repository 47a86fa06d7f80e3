// Crank angle and piston motion of the rows of the one-cylinder pass.
#include "core/kinematics.h"

#include <array>
#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"
#include "core/row_math.h"
#include "core/slider_crank.h"

namespace zorvan {

CrankRow MakeCrankRow(float degrees) {
  CrankRow k{};
  k.degrees = degrees;
  k.theta = Chk(static_cast<double>(degrees) * kPi / 180);
  k.cos1 = std::cos(k.theta);
  k.sin1 = std::sin(k.theta);
  k.cos2 = std::cos(2 * k.theta);
  k.sin2 = std::sin(2 * k.theta);
  k.cos3 = std::cos(3 * k.theta);
  k.sin3 = std::sin(3 * k.theta);
  const double back = Chk(-1 * static_cast<double>(degrees) * kDegToRad);
  k.cosBack = std::cos(back);
  k.sinBack = std::sin(back);
  return k;
}

namespace {

// Row i stands for 3*i degrees; the running single-precision sum 0, 3, ... 720
// is exact, so the rows' angles and their sines and cosines are formed once.
CrankColumns MakeCrankColumns() {
  CrankColumns c{};
  for (int i = 0; i < kRows; ++i) {
    const CrankRow k = MakeCrankRow(3.0f * static_cast<float>(i));
    c.degrees[i] = k.degrees;
    c.cos1[i] = k.cos1;
    c.sin1[i] = k.sin1;
    c.cos2[i] = k.cos2;
    c.sin2[i] = k.sin2;
    c.cos3[i] = k.cos3;
    c.sin3[i] = k.sin3;
    c.cosBack[i] = k.cosBack;
    c.sinBack[i] = k.sinBack;
  }
  return c;
}

}  // namespace

const CrankColumns& Crank() {
  static const CrankColumns columns = MakeCrankColumns();
  return columns;
}

ZORVAN_ROW_LOOP int StoreKinematics(const EngineDesignRecord& d, CrankAngleTable& __restrict t, int last) {
  const CrankColumns& k = Crank();
  // The crank turns at constant speed: no angular acceleration.
  const double a = d.CrankRadius, b = d.ConrodLength, c = d.WristpinOffset, omega = d.Omega;
  int faults = 0;
  for (int row = 0; row <= last; ++row) {
    const SliderCrankResult s = SliderCrankOf(k.sin1[row], k.cos1[row], omega, 0.0, a, b, c);
    faults += OutOfFloat(s.rise) + OutOfFloat(s.position) + OutOfFloat(s.velocity) + OutOfFloat(s.acceleration);
    t.CrankAngle[row] = k.degrees[row];
    t.PistonPosition[row] = static_cast<float>(s.position);
    t.PistonVelocity[row] = static_cast<float>(s.velocity);
    t.PistonAcceleration[row] = static_cast<float>(s.acceleration);
    t.TanConrodAngle[row] = s.tanRod;
  }
  return faults;
}

}  // namespace zorvan
