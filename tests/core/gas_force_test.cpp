// The gas-force curve: pulse shape, row order, two-stroke repeat, pump curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/support/one_cylinder_fixture.h"

namespace zorvan {
namespace {

using testing::HandDesign;

double EnginePressure(double x) { return 5689 * x * std::pow(1 - x, 3); }
double PumpPressure(double x) { return 924 * std::pow(x, 6) - 792 * std::pow(x, 7); }

Column Curve(const EngineDesignRecord& d) {
  Column c{};
  c.fill(-1);  // rows the curve fails to write show up
  FillGasForceCurve(d, c);
  return c;
}

TEST(GasForce, StartUpEngineFiresOncePerCycle) {
  auto d = testing::StartUpDesign();
  const Column g = Curve(*d);
  const double area = d->PistonArea;
  EXPECT_NEAR(g[10], 600 * area, 0.2);  // peak 30 degrees after top dead centre, about 4241 lb
  EXPECT_NEAR(g[10], 4241.2, 0.2);
  EXPECT_EQ(*std::max_element(g.begin(), g.end()), g[10]);
  for (int i = 0; i < 60; ++i)
    EXPECT_NEAR(g[i], EnginePressure(0.1 + 0.015 * i) * area, 1e-4 * 600 * area) << i;
  for (int i = 60; i <= 233; ++i) EXPECT_EQ(g[i], 0.0f) << i;
  // The pulse starts 18 degrees before the end of the cycle, from nothing.
  EXPECT_NEAR(g[234], 0.0, 1e-6);
  for (int i = 235; i < 240; ++i) {
    EXPECT_NEAR(g[i], EnginePressure(0.015 * (i - 234)) * area, 1e-4 * 600 * area) << i;
    EXPECT_GT(g[i], g[i - 1]) << i;
  }
  EXPECT_EQ(g[240], g[0]);  // 720 degrees is 0 degrees of the next cycle
}

TEST(GasForce, TwoStrokeRepeatsThePulseEveryTurn) {
  auto d = testing::StartUpDesign();
  const Column four = Curve(*d);
  d->StrokeCycle = 2;
  const Column two = Curve(*d);
  for (int i = 0; i <= 60; ++i) {
    EXPECT_EQ(two[i], four[i]) << i;
    EXPECT_EQ(two[i + 120], four[i]) << i;        // 360..540 as 0..180
    EXPECT_EQ(two[i + 60], two[i + 180]) << i;    // 180..360 as 540..720
  }
  EXPECT_GT(two[116], 0.0f);  // the second pulse rises before 360 degrees
  EXPECT_EQ(two[120], two[0]);
  EXPECT_NEAR(two[130], 600 * d->PistonArea, 0.2);
}

TEST(GasForce, PumpCurveRisesOverTheStrokeAndScales) {
  auto d = HandDesign();
  d->GasCurve = 2;
  const Column g = Curve(*d);
  const double area = d->PistonArea;
  for (int i = 0; i < 60; ++i)
    EXPECT_NEAR(g[i], PumpPressure(0.1 + 0.015 * i) * area, 1e-4 * 132 * area) << i;
  for (int i = 1; i < 60; ++i) EXPECT_GT(g[i], g[i - 1]) << i;
  EXPECT_EQ(g[60], 0.0f);  // the stretch of zeros includes 180 degrees
  EXPECT_EQ(g[240], g[0]);

  d->GasPressureScale = 2;   // 262 psi entered for a pump
  d->PressureFactor = 144;   // and shown in psf
  const Column scaled = Curve(*d);
  for (int i : {0, 30, 59, 237}) EXPECT_NEAR(scaled[i], 288 * g[i], 1e-5 * std::fabs(288 * g[i])) << i;
}

}  // namespace
}  // namespace zorvan
