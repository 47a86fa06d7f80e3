// Orders of crank speed against closed forms: the phase convention, the inertia
// torque series of one cylinder and of the inline four, the half orders of the
// four-stroke gas torque, and Parseval's sum.
#include "core/orders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

const OrderTerm& At(const OrderSpectrum& s, double order) { return s[static_cast<int>(order * 2)]; }

// Parseval: the column's mean square is the mean squared plus half of each
// squared amplitude; the orders above 12 the program leaves out are summed
// here from their own sums of sines and cosines (order 60, the last, counts whole).
void ExpectParseval(const OrderSpectrum& s, const Column& c) {
  double column = 0, orders = s[0].a * s[0].a, above = 0;
  for (int row = 0; row < kLastRow; ++row) column += double(c[row]) * c[row] / kLastRow;
  for (int k = 1; k < kOrderCount; ++k) orders += s[k].amplitude * s[k].amplitude / 2;
  for (int k = kOrderCount; k <= kLastRow / 2; ++k) {
    double a = 0, b = 0;
    for (int row = 0; row < kLastRow; ++row) {
      a += c[row] * std::cos(2 * std::numbers::pi * k * row / kLastRow);
      b += c[row] * std::sin(2 * std::numbers::pi * k * row / kLastRow);
    }
    above += (a * a + b * b) / kLastRow / kLastRow * (k == kLastRow / 2 ? 1 : 2);
  }
  EXPECT_NEAR((orders + above) / column, 1, 1e-9);
}

TEST(Orders, ConventionOnASumOfHarmonics) {
  std::array<double, kLastRow> x{};
  for (int i = 0; i < kLastRow; ++i) {
    const double t = 3.0 * i * std::numbers::pi / 180;
    x[i] = 3 + 2 * std::cos(0.5 * t - std::numbers::pi / 6) - 5 * std::sin(4 * t) + std::cos(12 * t);
  }
  const OrderSpectrum s = OrdersOfSamples(x);
  EXPECT_NEAR(s[0].a, 3, 1e-9);
  EXPECT_NEAR(At(s, 0.5).amplitude, 2, 1e-9);
  EXPECT_NEAR(At(s, 0.5).phase, 30, 1e-6);  // amplitude * cos(n theta - phase)
  EXPECT_NEAR(At(s, 4).b, -5, 1e-9);
  EXPECT_NEAR(At(s, 12).a, 1, 1e-9);
  EXPECT_NEAR(At(s, 7).amplitude, 0, 1e-9);
  x[5] = NAN;
  EXPECT_THROW(OrdersOfSamples(x), RunTimeError);
}

// InertiaTorque = (h sin t - sin 2t - 3h sin 3t) mB r^2 w^2 / 2 with h = lambda / 2;
// the inline four 0-180-180-0 keeps four times the cylinder's order 2 alone.
TEST(Orders, InertiaTorqueOfOneCylinderAndOfTheInlineFour) {
  for (float lr : {3.5f, 5.0f}) {
    auto d = StartUp();
    d->LRRatio = lr;
    d->GasPressureScale = 0;
    MessageList told;
    ASSERT_TRUE(Engine_Data(*d, told) && OneCylinderPass(*d, told));
    const double amp = double(d->MassAtWristpin) * d->CrankRadius * d->CrankRadius * d->OmegaSquared;
    const double l = d->RadiusOverLength;
    const OrderSpectrum s = OrdersOf(d->table, PlotFunction(6));
    for (double n = 0; n <= kHighestOrder; n += 0.5) {
      const double expected = n == 1 ? l / 4 : n == 2 ? 0.5 : n == 3 ? 3 * l / 4 : 0;
      EXPECT_NEAR(At(s, n).amplitude / amp, expected, 1e-6) << lr << " order " << n;
    }
    EXPECT_NEAR(At(s, 1).phase, 90, 1e-3);
    ExpectParseval(s, d->table.InertiaTorque);

    ASSERT_TRUE(Recalculate(*d).Empty());
    const std::vector<OrderColumn> engine = OrderAnalysis(*d, OrderSubject::Torque);
    ASSERT_EQ(engine[1].name, "InertiaTorque");
    for (double n = 0; n <= kHighestOrder; n += 0.5)
      EXPECT_NEAR(At(engine[1].spectrum, n).amplitude / amp, n == 2 ? 2 : 0, 1e-4) << lr << " order " << n;
  }
}

// A four-stroke cylinder fires every other revolution, a two-stroke every one.
TEST(Orders, HalfOrdersOnlyInTheFourStrokeGasTorque) {
  for (int16_t cycle : {4, 2}) {
    auto d = StartUp();
    d->StrokeCycle = cycle;
    MessageList told;
    ASSERT_TRUE(Engine_Data(*d, told) && OneCylinderPass(*d, told));
    const OrderSpectrum s = OrdersOf(d->table, PlotFunction(5));
    for (double n = 0.5; n <= kHighestOrder; n += 1) {
      const double share = At(s, n).amplitude / At(s, 1).amplitude;
      EXPECT_TRUE(cycle == 4 ? share > 1e-3 : share < 1e-6) << cycle << " order " << n << ": " << share;
    }
    ExpectParseval(s, d->table.GasTorque);
    // Moments come with the engine; a value that is not a number is reported.
    EXPECT_FALSE(OrderAnalysis(*d, OrderSubject::Shaking)[2].offered);
    d->table.GasTorque[7] = NAN;
    std::vector<OrderColumn> out;
    EXPECT_FALSE(OrderCalculation(*d, OrderSubject::Torque, told, out));
    EXPECT_NE(told.All().back().text.find("in Orders"), std::string::npos);
  }
}

}  // namespace
}  // namespace zorvan::testing
