// A measured pressure trace in the chain: the mean effective pressure and the
// mean gas torque of a known trace, and the half orders that only cylinders
// with pressures of their own give a four-stroke engine.
#include "core/indicated.h"

#include <gtest/gtest.h>

#include "core/orders.h"
#include "core/pressure_trace.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

// One point a degree over 0..719; `columns` pressures (bar) from one shape, column c times scale[c].
std::shared_ptr<const PressureTrace> Trace(double (*bar)(double), std::vector<double> scale) {
  PressureTrace t;
  t.source = "test.csv";
  t.columns.resize(scale.size());
  for (int a = 0; a < 720; ++a) {
    t.angles.push_back(a);
    for (std::size_t c = 0; c < scale.size(); ++c) t.columns[c].push_back(bar(a) * scale[c]);
  }
  t.columnsLine = 1;
  t.lastLine = 721;
  return CompleteTrace(std::move(t));
}

double TenBarPowerStroke(double a) { return a <= 180 ? 10 : 0; }
double Pulse(double a) { return a < 360 ? 60 * std::exp(-(a - 15) * (a - 15) / 800) : 0.5; }

TEST(Indicated, ConstantPressureOverThePowerStroke) {
  for (int k : {2, 5}) {
    auto d = Example(k);
    d->Pressure = Trace(TenBarPowerStroke, {1});
    ASSERT_TRUE(Recalculate(*d).Empty());
    const IndicatedResult r = IndicatedOf(*d);
    const double imepBar = r.engine.imep / HeldPressurePerBar(d->UnitSystem);
    EXPECT_NEAR(imepBar, 10, 0.01) << k;
    // Mean gas torque x 4 pi = IMEP x displacement, and the table's order 0 agrees.
    const double displacement = double(d->CylinderDisplacement) * r.engineCylinders;
    EXPECT_NEAR(r.engine.meanGasTorque * 4 * kPi / (r.engine.imep * displacement), 1, 1e-9);
    const OrderSpectrum s = OrdersOf(d->table, PlotFunction(kGasTorque));
    EXPECT_NEAR(s[0].a / r.engine.meanGasTorque, 1, 1e-3) << k;
    EXPECT_NE(PressureCaption(*d).find("Pressure: measured, test.csv, 720 points"), std::string::npos);
  }
}

TEST(Indicated, OneStrongerCylinderGivesHalfOrders) {
  auto common = Example(2);
  ASSERT_EQ(common->NumCylinders, 4);
  auto own = Example(2);
  common->Pressure = Trace(Pulse, {1});
  own->Pressure = Trace(Pulse, {1.1, 1, 1, 1});
  ASSERT_TRUE(Recalculate(*common).Empty());
  ASSERT_TRUE(Recalculate(*own).Empty());
  const double halfCommon = OrdersOf(common->table, PlotFunction(kGasTorque))[1].amplitude;
  const OrderSpectrum s = OrdersOf(own->table, PlotFunction(kGasTorque));
  EXPECT_LT(halfCommon, 1e-4 * s[4].amplitude);
  EXPECT_GT(s[1].amplitude, 0.01 * s[4].amplitude);
  // The engine's work is the sum of its cylinders'; the stronger one does 10 % more.
  const IndicatedResult r = IndicatedOf(*own);
  EXPECT_NEAR(r.cylinders[0].work / r.cylinders[1].work, 1.1, 1e-9);
  EXPECT_NEAR(r.engine.work / r.cylinders[1].work, 4.1, 1e-9);
  // Equal columns give the common trace's results.
  own->Pressure = Trace(Pulse, {1, 1, 1, 1});
  ASSERT_TRUE(Recalculate(*own).Empty());
  for (int row = 0; row <= kLastRow; ++row) EXPECT_FLOAT_EQ(own->table.TotalTorque[row], common->table.TotalTorque[row]);
}

TEST(Indicated, ResamplingKeepsThePeakAndTheCycleMean) {
  // Two cycles at an uneven spacing, the second 20 % higher: the rows take their mean.
  PressureTrace t;
  t.source = "two.csv";
  t.columns.resize(1);
  for (double a = -361, step = 1.5; a < 1078; a += step, step = 4 - step) {
    t.angles.push_back(a);
    t.columns[0].push_back(Pulse(std::fmod(a + 720, 720)) * (a >= 360 ? 1.2 : 1));
  }
  t.columnsLine = 1;
  t.lastLine = static_cast<int>(t.angles.size()) + 1;
  auto trace = CompleteTrace(std::move(t));
  const TraceCycleFit& fit = trace->fits[1];
  ASSERT_TRUE(fit.fault.empty()) << fit.fault;
  EXPECT_EQ(fit.cycles, 2);
  EXPECT_NEAR(fit.rows[0][5], 60 * 1.1, 1e-9);  // 15 degrees: the peak, on a row
  EXPECT_NEAR(fit.rows[0][200], 0.5 * 1.1, 1e-9);
  EXPECT_EQ(trace->fits[0].cycles, 4);
}

}  // namespace
}  // namespace zorvan::testing
