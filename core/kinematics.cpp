// Crank angle and piston motion of one row of the one-cylinder pass.
#include "core/kinematics.h"

#include <array>
#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"
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

const CrankRow& CrankRowOf(int row) {
  static const std::array<CrankRow, kRows> rows = [] {
    std::array<CrankRow, kRows> all{};
    for (int i = 0; i < kRows; ++i) all[i] = MakeCrankRow(3.0f * static_cast<float>(i));
    return all;
  }();
  return rows.at(row);
}

void StoreKinematics(EngineDesignRecord& d, int row, const CrankRow& crank) {
  CrankAngleTable& t = d.table;
  // The crank turns at constant speed: no angular acceleration.
  const SliderCrankResult s =
      SolveSliderCrank(crank.sin1, crank.cos1, d.Omega, 0.0, d.CrankRadius, d.ConrodLength, d.WristpinOffset);
  t.CrankAngle.at(row) = crank.degrees;
  t.PistonPosition.at(row) = Sng(s.position);
  t.PistonVelocity.at(row) = Sng(s.velocity);
  t.PistonAcceleration.at(row) = Sng(s.acceleration);
  t.TanConrodAngle.at(row) = Chk(std::tan(s.theta3 - kPi));
}

}  // namespace zorvan
