// Torsional vibration against closed forms and worked examples: the natural
// frequencies of two and five discs, the undamped two-disc forced response,
// the cylinders' order torques against the engine's, the relative amplitude
// sums of the inline six, the default shaft and the judging of its rows.
#include "core/torsional.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/shaft_model.h"
#include "core/units.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

ShaftTable Discs(std::vector<double> inertia, std::vector<double> stiffness) {
  ShaftTable t;
  for (std::size_t i = 0; i < inertia.size(); ++i)
    t.push_back({"D" + std::to_string(i + 1), inertia[i], i < stiffness.size() ? stiffness[i] : 0, 0});
  return t;
}

TEST(Torsional, NaturalFrequenciesOfTwoAndFiveDiscs) {
  // Two discs: w^2 = k (J1 + J2) / (J1 J2); the elastic shape balances the rigid one: J1 b1 + J2 b2 = 0.
  const ShaftDynamics two(Discs({211.4, 8.3}, {9.775e6}), 0);
  ASSERT_EQ(two.Modes().size(), 2u);
  EXPECT_EQ(two.Modes()[0].frequency, 0);
  EXPECT_EQ(two.Modes()[0].shape, (std::vector<double>{1, 1}));
  EXPECT_NEAR(two.Modes()[1].frequency / 176.1, 1, 5e-4);
  EXPECT_NEAR(two.Modes()[1].shape[0], -8.3 / 211.4, 1e-12);
  EXPECT_EQ(two.Modes()[1].shape[1], 1);
  // Five discs: the worked example of Friswell et al., Dynamics of Rotating Machines, 9.7.1.
  const ShaftDynamics five(Discs({3.5e-3, 3.5e-3, 3.5e-3, 0.15, 0.05}, {12e3, 12e3, 14e3, 10e3}), 0.02);
  const double hz[] = {0, 81.21, 141.21, 378.95, 536.36};
  for (int m = 1; m < 5; ++m) EXPECT_NEAR(five.Modes()[m].frequency / hz[m], 1, 5e-4) << "mode " << m;
}

TEST(Torsional, UndampedTwoDiscsFollowTheClosedForm) {
  // (k - W^2 J1) X1 - k X2 = T, -k X1 + (k - W^2 J2) X2 = 0.
  const double j1 = 211.4, j2 = 8.3, k = 9.775e6, torque = 1000;
  const ShaftDynamics two(Discs({j1, j2}, {k}), 0);
  EXPECT_FALSE(two.Damped());
  for (double w : {50.0, 600.0, 1000.0, 1300.0, 5000.0}) {
    const auto x = two.Response(w, {torque, 0});
    const double w2 = w * w;
    const double x1 = torque * (k - w2 * j2) / (w2 * (w2 * j1 * j2 - k * (j1 + j2)));
    const double x2 = k * x1 / (k - w2 * j2);
    EXPECT_NEAR(x[0].real() / x1, 1, 1e-3) << w;
    EXPECT_NEAR(x[1].real() / x2, 1, 1e-3) << w;
    EXPECT_NEAR(x[0].imag(), 0, 1e-12 * std::fabs(x1));
  }
}

// Summed over the stations, the cylinders' order torques at the design speed are
// the engine's total torque orders: the delays, phases and bank tilts are the engine pass's.
TEST(Torsional, CylinderTorquesSumToTheEngineTorque) {
  for (int preset : {2, 4, 5, 6, 7, 9}) {
    auto d = Example(preset);
    const ShaftTable stations = DefaultShaft(*d, 1);
    const auto drives = CylinderDrives(*d, stations);
    const OrderSpectrum engine = OrdersOf(d->table, PlotFunction(kTotalTorque));
    const double speed = d->Omega * 60 / (2 * std::numbers::pi);
    for (double q : EngineOrders(*d)) {
      std::complex<double> sum;
      for (auto t : StationTorques(*d, drives, stations.size(), q, speed)) sum += t;
      const OrderTerm& e = engine[static_cast<int>(2 * q)];
      EXPECT_NEAR(sum.real(), e.a, 0.5 + 1e-5 * engine[0].amplitude) << "preset " << preset << " order " << q;
      EXPECT_NEAR(-sum.imag(), e.b, 0.5 + 1e-5 * engine[0].amplitude) << "preset " << preset << " order " << q;
    }
  }
}

// An evenly firing four-stroke six with a heavy flywheel: in its first mode every
// throw swings the same way, so the major orders 3, 6, 9, 12 reach |sum of b| and
// every other order falls short of it.
TEST(Torsional, InlineSixRelativeAmplitudeSums) {
  auto d = Example(4);
  ShaftTable stations = DefaultShaft(*d, 1);
  stations.back().inertia = 40 * stations.front().inertia;
  const TorsionalResult r = TorsionalAnalysis(*d, stations, true);
  ASSERT_TRUE(r.driven);
  double signedSum = 0;
  for (const CylinderDrive& c : r.drives) {
    const double beta = r.modes[1].shape[static_cast<std::size_t>(c.station)];
    ASSERT_GT(beta, 0);  // the front throw is +1 and the node lies at the flywheel
    signedSum += beta;
  }
  for (const Crossing& c : r.crossings) {
    if (c.mode != 1) continue;
    const bool major = std::fmod(c.order, 3) == 0;
    EXPECT_EQ(c.major, major) << c.order;
    if (major) {
      EXPECT_NEAR(c.amplitudeSum, std::fabs(signedSum), 1e-9) << c.order;
    } else {
      EXPECT_LT(c.amplitudeSum, std::fabs(signedSum) * (1 - 1e-6)) << c.order;
    }
    EXPECT_NEAR(c.speed, 60 * c.frequency / c.order, 1e-9);
  }
  // The response peaks lie in the running range, and its critical speeds are among its speeds.
  EXPECT_GE(r.peakTorque.speed, d->IdleRPM);
  EXPECT_LE(r.peakTorque.speed, d->RedlineRPM);
  EXPECT_EQ(r.response.size(), 24u);
}

TEST(Torsional, DefaultShaftFromTheDesign) {
  // Cylinders at one place share a throw: the V8's banks, the W12's three banks.
  const std::pair<int, std::size_t> throws[] = {{4, 6}, {5, 4}, {6, 4}, {2, 4}};
  for (auto [preset, count] : throws) EXPECT_EQ(CrankThrows(*Example(preset)).size(), count) << preset;
  // Equal journals: 1/k = p / (G Ip), Ip = pi D^4 / 32; 0.05 m journals, 0.1 m apart, 80 GPa.
  auto d = Example(4);
  d->UnitSystem = 3;
  d->MainJournalDiameter = d->CrankpinJournalDiameter = 0.05f;
  EXPECT_NEAR(SectionStiffness(*d, 0.1) / (80e9 * std::numbers::pi * std::pow(0.05f, 4) / 32 / 0.1), 1, 1e-9);
  EXPECT_EQ(SectionStiffness(*d, 0), 0);
  const ShaftTable t = DefaultShaft(*d, 2.5);
  EXPECT_EQ(t.back().name, "Flywheel");
  EXPECT_EQ(t.back().inertia, 2.5);
  EXPECT_EQ(ThrowNumberOf(t[2].name), 3);
  EXPECT_EQ(ThrowNumberOf(" throw  12 "), 12);
  EXPECT_EQ(ThrowNumberOf("Throwing 1"), 0);
  EXPECT_FALSE(ShaftTableFault(t));
  EXPECT_EQ(DefaultShaft(*d, 0).size(), 6u);  // no flywheel sized: the shaft ends at its last throw
}

TEST(Torsional, BadRowsAreNamed) {
  const std::vector<std::pair<std::vector<ShaftRowTexts>, std::string>> cases = {
      {{{"A", "-1", "5", ""}, {"B", "1", "", ""}}, "Row 1 (\"A\"): the inertia must be a number above 0, not \"-1\"."},
      {{{"A", "1", "5", ""}, {"B", "0", "", ""}}, "Row 2 (\"B\"): the inertia must be a number above 0, not \"0\"."},
      {{{"A", "1", "", ""}, {"B", "1", "", ""}}, "Row 1 (\"A\"): the stiffness to the next station must be a number above 0."},
      {{{"A", "1", "-5", ""}, {"B", "1", "", ""}}, "Row 1 (\"A\"): the stiffness to the next station must be a number above 0, not \"-5\"."},
      {{{"A", "1", "5", "x"}, {"B", "1", "", ""}}, "Row 1 (\"A\"): the damping must be empty, 0 or a number above 0, not \"x\"."},
      {{{"A", "1", "5", ""}, {"B", "1e", "", ""}}, "Row 2 (\"B\"): the inertia must be a number above 0, not \"1e\"."},
      {{{"A", "1", "5", ""}, {"B", "1", "5", ""}}, "Row 2 (\"B\"): the last station has no next station: leave its stiffness empty."},
      {{{"A", "1", "5", ""}, {"a", "1", "", ""}}, "Row 2 (\"a\"): the name is that of row 1 already."},
      {{{" ", "1", "5", ""}, {"B", "1", "", ""}}, "Row 1: the station needs a name."},
      {{{"A", "1", "", ""}}, "The shaft needs at least two stations."},
      {{{"A", "1e300", "5", ""}, {"B", "1", "", ""}}, "Row 1 (\"A\"): the inertia must be at most 1e15, not \"1e300\"."},
      {{{"A", "1", "1e-300", ""}, {"B", "1", "", ""}},
       "Row 1 (\"A\"): the stiffness to the next station must be at least 1e-12, not \"1e-300\"."},
  };
  for (const auto& [rows, sentence] : cases) {
    ShaftTable t = Discs({7, 8}, {9});
    EXPECT_EQ(ReadShaftRows(rows, t).value_or(""), sentence);
    EXPECT_EQ(t, Discs({7, 8}, {9}));  // nothing changes
  }
}

TEST(Torsional, EnteredShaftFollowsTheUnitSystem) {
  auto d = Example(4);
  d->Shaft = Discs({211.4, 8.3}, {9.775e6});
  (*d->Shaft)[0].damping = 12;
  const ShaftTable entered = *d->Shaft;
  UnitMemory memory;
  memory.Convert(*d, 1, 3);
  // A blob-inch^2 is (386 / 2.205) kg x 0.0254^2 m^2; stiffness and damping convert alike.
  const double f = 386.0 / 2.205 * 0.0254 * 0.0254;
  EXPECT_NEAR((*d->Shaft)[0].inertia / (211.4 * f), 1, 1e-12);
  EXPECT_NEAR((*d->Shaft)[0].stiffness / (9.775e6 * f), 1, 1e-12);
  EXPECT_NEAR((*d->Shaft)[0].damping / (12 * f), 1, 1e-12);
  memory.Convert(*d, 3, 2);
  memory.Convert(*d, 2, 1);
  EXPECT_EQ(*d->Shaft, entered);  // back exactly
}

}  // namespace
}  // namespace zorvan::testing
