#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/units.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

// Closed forms of an engine whose throws are exactly counterweighted: every
// cylinder c adds its reciprocating force along its own axis (tilt t_c) at its
// angle u = theta - t_c - phase_c, and its inertia torque at u.
struct Expected {
  double px = 0, py = 0, sx = 0, sy = 0, torque = 0;
};

Expected ClosedForm(const EngineDesignRecord& d, int row) {
  Expected e;
  const double recip = static_cast<double>(d.MassAtWristpin) * d.CrankRadius * d.OmegaSquared;
  const double torqueAmp = static_cast<double>(d.CrankRadius) * d.CrankRadius * d.MassAtWristpin * d.OmegaSquared / 2;
  const double h = d.HalfRadiusOverLength, theta = 3.0 * row * kDegrees;
  for (int c = 1; c <= d.NumCylinders; ++c) {
    const double tilt = d.Arrangement > 1 ? d.BankAngle[c] * kDegrees : 0;
    const double u = theta - tilt - d.PhaseAngle[c] * kDegrees;
    e.px += recip * std::cos(u) * std::cos(tilt);
    e.py += recip * std::cos(u) * std::sin(tilt);
    e.sx += d.RadiusOverLength * recip * std::cos(2 * u) * std::cos(tilt);
    e.sy += d.RadiusOverLength * recip * std::cos(2 * u) * std::sin(tilt);
    e.torque += (h * std::sin(u) - std::sin(2 * u) - 3 * h * std::sin(3 * u)) * torqueAmp;
  }
  return e;
}

void ExpectClosedForms(const EngineDesignRecord& d, const std::string& what) {
  const double scale = d.NumCylinders * static_cast<double>(d.MassAtWristpin) * d.CrankRadius * d.OmegaSquared;
  const double tol = 1e-5 * scale + 0.25;
  for (int row = 0; row <= kLastRow; ++row) {
    const Expected e = ClosedForm(d, row);
    EXPECT_NEAR(Force(d, row, 0, kX, kPrimary), e.px, tol) << what << " row " << row;
    EXPECT_NEAR(Force(d, row, 0, kY, kPrimary), e.py, tol) << what << " row " << row;
    EXPECT_NEAR(Force(d, row, 0, kX, kSecondary), e.sx, tol) << what << " row " << row;
    EXPECT_NEAR(Force(d, row, 0, kY, kSecondary), e.sy, tol) << what << " row " << row;
    EXPECT_NEAR(d.table.InertiaTorque[row], e.torque, tol * d.CrankRadius) << what << " row " << row;
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(Assembly, FlatCrankInlineFourHasOnlyItsSecondaryForce) {
  auto d = Example(2);
  const double secondary = 4.0 * d->RadiusOverLength * d->ReciprocatingForceAmp;
  for (int row = 0; row <= kLastRow; ++row) {
    for (int c : {kX, kY}) {
      EXPECT_EQ(Force(*d, row, 0, c, kPrimary), 0) << row;
      EXPECT_EQ(Moment(*d, row, 0, c, kPrimary), 0) << row;
    }
    EXPECT_NEAR(Force(*d, row, 0, kX, kSecondary), secondary * std::cos(6.0 * row * kDegrees),
                1e-5 * secondary + 0.12);
    EXPECT_EQ(Force(*d, row, 0, kY, kSecondary), 0);
  }
  EXPECT_TRUE(d->EngineResultsValid);
}

TEST(Assembly, WTwelveCountsItsCentreBank) {
  auto d = Example(6);
  // Each bank is a flat-crank four: along its own axis a secondary force of
  // 4 r/L F cos 2u and nothing primary.
  const double amp = 4.0 * d->RadiusOverLength * d->ReciprocatingForceAmp;
  for (int row = 0; row <= kLastRow; ++row) {
    double sx = 0, sy = 0;
    for (double tilt : {-60.0, 60.0, 0.0}) {
      const double along = amp * std::cos(2 * (3.0 * row - tilt) * kDegrees);
      sx += along * std::cos(tilt * kDegrees);
      sy += along * std::sin(tilt * kDegrees);
    }
    EXPECT_EQ(Force(*d, row, 0, kX, kPrimary), 0);
    EXPECT_EQ(Moment(*d, row, 0, kY, kPrimary), 0);
    EXPECT_NEAR(Force(*d, row, 0, kX, kSecondary), sx, 1e-5 * amp + 0.4) << row;
    EXPECT_NEAR(Force(*d, row, 0, kY, kSecondary), sy, 1e-5 * amp + 0.4) << row;
  }
  EXPECT_NEAR(Force(*d, 0, 3, kX, kSecondary), amp, 1e-5 * amp);  // the centre bank, upright
}

TEST(Assembly, EveryArrangementCycleMachineUnitAndSpeedAgreesWithClosedForms) {
  for (int preset : {0, 4, 5, 6, 7, 8, 9, 10}) {
    for (int16_t cycle : {2, 4}) {
      for (int16_t units : {1, 2, 3, 4, 5}) {
        for (int16_t speed : {1, 3}) {
          auto d = Example(preset);
          d->StrokeCycle = cycle;
          d->SpeedIndex = speed;
          d->MachineType = units % 2 ? "Engine" : "Pump";
          d->GasCurve = units % 2 ? 1 : 2;
          ConvertDesign(*d, 1, units);
          d->UnitSystem = units;
          SetUnitLabels(*d);
          SetDigitCounts(*d);
          const MessageList told = Recalculate(*d);
          const std::string what = PresetText(preset) + " cycle " + std::to_string(cycle) + " units " +
                                   std::to_string(units) + " speed " + std::to_string(speed);
          ASSERT_TRUE(told.Empty()) << what << ": " << told.All().front().text;
          ExpectClosedForms(*d, what);
          if (HasFailure()) return;
        }
      }
    }
  }
}

TEST(Assembly, ThrowsSharedByTwoRodsCountTheirRotatingMassOnce) {
  auto d = Example(5);  // four throws, each carrying one rod of each bank
  d->CounterweightMass = 0;
  MessageList told;
  ASSERT_TRUE(RecalculateKeepingCounterweight(*d, told));
  const double recip = d->ReciprocatingForceAmp, rot = d->RotatingForceAmp;
  for (int row = 0; row <= kLastRow; row += 7) {
    const double theta = 3.0 * row * kDegrees;
    double mx = 0, my = 0;
    for (int c = 1; c <= 8; ++c) {
      const double arm = c <= 4 ? c - 1 : c - 5, tilt = (c <= 4 ? -45 : 45) * kDegrees;
      const double phi = d->PhaseAngle[c] * kDegrees, u = theta - tilt - phi;
      mx += recip * arm * std::cos(u) * std::cos(tilt);
      my += recip * arm * std::cos(u) * std::sin(tilt);
      if (c <= 4) {  // the throw itself
        mx += rot * arm * std::cos(theta - phi);
        my += rot * arm * std::sin(theta - phi);
      }
    }
    EXPECT_NEAR(Moment(*d, row, 0, kX, kPrimary), mx, 1e-4 * rot + 0.12) << row;
    EXPECT_NEAR(Moment(*d, row, 0, kY, kPrimary), my, 1e-4 * rot + 0.12) << row;
  }
}

TEST(Assembly, SingleCylinderKeepsItsOwnShakingForceWithTheCounterweight) {
  auto d = StartUp();
  d->Arrangement = 0;
  d->NumCylinders = 1;
  d->CounterweightMass = 0.02f;  // not the exact balance, so the counterweight shows
  MessageList told;
  ASSERT_TRUE(Engine_Data(*d, told));
  ASSERT_TRUE(OneCylinderPass(*d, told) && CounterweightPass(*d, told));
  const CrankAngleTable single = d->table;
  d->Arrangement = 1;  // an inline pass first must not leak into the single cylinder's
  ASSERT_TRUE(MultiCylinderPass(*d, told));
  d->Arrangement = 0;
  ASSERT_TRUE(MultiCylinderPass(*d, told));
  EXPECT_TRUE(told.Empty());
  EXPECT_EQ(d->table.ShakingForce, single.ShakingForce);
  EXPECT_EQ(d->table.ShakingMoment, ShakingTable{});
  EXPECT_EQ(d->table.GasTorque, single.GasTorque);
  EXPECT_EQ(d->table.InertiaTorque, single.InertiaTorque);
  EXPECT_EQ(d->table.FrictionTorque, single.FrictionTorque);
}

TEST(Assembly, RunningThePassAgainGivesTheSameEngine) {
  for (int preset : {2, 5, 6, 10}) {
    auto d = Example(preset);
    const CrankAngleTable once = d->table;
    MessageList told;
    ASSERT_TRUE(MultiCylinderPass(*d, told));
    const CrankAngleTable& twice = d->table;
    EXPECT_EQ(twice.GasForce, once.GasForce) << preset;
    EXPECT_EQ(twice.GasTorque, once.GasTorque) << preset;
    EXPECT_EQ(twice.FrictionTorque, once.FrictionTorque) << preset;
    EXPECT_EQ(twice.TotalTorque, once.TotalTorque) << preset;
    EXPECT_EQ(twice.ShakingForce, once.ShakingForce) << preset;
    EXPECT_EQ(twice.ShakingMoment, once.ShakingMoment) << preset;
  }
}

// The engine pass over the shaking tables of another engine (a W12's three
// banks): nothing of the earlier one is left.
TEST(Assembly, AnEngineOverAnotherIsTheEngineAlone) {
  auto earlier = Example(6);
  for (int preset : {0, 2, 5, 10}) {
    const auto alone = Example(preset);
    auto d = std::make_unique<EngineDesignRecord>(*alone);
    d->table.ShakingForce = earlier->table.ShakingForce;
    d->table.ShakingMoment = earlier->table.ShakingMoment;
    MessageList told;
    ASSERT_TRUE(MultiCylinderPass(*d, told));
    EXPECT_EQ(d->table.ShakingForce, alone->table.ShakingForce) << preset;
    EXPECT_EQ(d->table.ShakingMoment, alone->table.ShakingMoment) << preset;
  }
}

// A two-cylinder inline whose second cylinder fires at the given angle.
std::unique_ptr<EngineDesignRecord> TwinFiringAt(float angle) {
  auto d = StartUp();
  SetRows(*d, {0, 180}, {1, 2}, {0, angle});
  Recalculate(*d);
  return d;
}

TEST(Assembly, FiringAngleDelaysTheGasTorqueAndWrapsIntoOneCycle) {
  auto d = TwinFiringAt(180);
  const Column& single = d->table.SingleGasTorque;
  for (int k = 0; k <= kLastRow; ++k)
    EXPECT_EQ(d->table.GasTorque[k], single[k] + single[(k + 180) % 240]) << k;  // 60 rows late
  for (float same : {900.0f, -540.0f}) EXPECT_EQ(TwinFiringAt(same)->table.GasTorque, d->table.GasTorque) << same;
}

TEST(Assembly, FrictionCountsEveryCylinderWithItsFiringDelay) {
  auto d = Example(2);  // cylinders 3, 4, 2 fire 60, 120 and 180 rows after cylinder 1
  const Column& f = d->table.SingleFrictionTorque;
  for (int k = 0; k <= kLastRow; ++k) {
    const float expected = f[k] + f[(k + 180) % 240] + f[(k + 120) % 240] + f[(k + 60) % 240];
    EXPECT_FLOAT_EQ(d->table.FrictionTorque[k], expected) << k;
  }
}

TEST(Assembly, FiringOrderEntriesThatAreNoCylindersAreSkippedWithAWarning) {
  auto d = StartUp();
  SetRows(*d, {0, 180, 180, 0}, {1, 0, 4, 99}, {0, 540, 180, 360});
  const MessageList told = Recalculate(*d);
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text,
            " The firing order holds entries that are not cylinder numbers 1 to 4:\r"
            "    position 2: 0\r    position 4: 99\r\r"
            " They are left out of the engine's gas force, gas torque and friction sums.");
  EXPECT_EQ(told.All()[0].icon, Icon::Warning);
  const Column& single = d->table.SingleGasTorque;
  for (int k = 0; k <= kLastRow; ++k) EXPECT_EQ(d->table.GasTorque[k], single[k] + single[(k + 120) % 240]);
  EXPECT_TRUE(d->EngineResultsValid);
}

TEST(Assembly, UnbalancedThrowsAreToldWithTheirMassRadiusProduct) {
  auto d = Example(2);
  d->CounterweightMass = 0;
  MessageList told;
  ASSERT_TRUE(RecalculateKeepingCounterweight(*d, told));
  ASSERT_EQ(told.Size(), 1u);
  // MassAtCrankpin 0.0284 bl at CrankRadius 1.7683883 in
  EXPECT_EQ(told.All()[0].text,
            " The crank throws are NOT now exactly balanced\r\r"
            "If the error is small, it may be due only to computational rounding,\r"
            "but if substantial, it could have undesirable results.\r\r"
            " There is currently a mass-radius-product error of: \r\r"
            "                              0.050 222  bl * in\r\r"
            " You can either ignore this error if small,\r"
            "or attempt to rebalance the crank to reduce it.");

  auto twin = Example(9);
  twin->CounterweightMass = 0;
  MessageList quiet;
  ASSERT_TRUE(RecalculateKeepingCounterweight(*twin, quiet));
  EXPECT_TRUE(quiet.Empty());
}

TEST(Assembly, OddDesignsAreReportedNeverRunPastTheTables) {
  struct Case {
    const char* what;
    void (*change)(EngineDesignRecord&);
    std::string message;
  };
  const std::string overflow = "Error 6   (Overflow)  has occurred in Assemble_Engine\r\n\r\n";
  const Case cases[] = {
      {"NaN phase", [](EngineDesignRecord& d) { d.PhaseAngle[2] = std::nanf(""); }, overflow},
      {"NaN firing angle", [](EngineDesignRecord& d) { d.FiringAngle[3] = std::nanf(""); }, overflow},
      {"huge firing angle", [](EngineDesignRecord& d) { d.FiringAngle[3] = 3e38f; }, ""},
      {"17 cylinders", [](EngineDesignRecord& d) { d.NumCylinders = 17; },
       "Error 9   (Subscript out of range)  has occurred in Assemble_Engine\r\n\r\n"},
      {"negative spacing", [](EngineDesignRecord& d) { d.CylinderSpacing = -2; }, ""},
      {"zero vee angle", [](EngineDesignRecord& d) { d.VeeAngle = 0; }, "Please define a Vee Angle for this engine"},
  };
  for (const Case& c : cases) {
    auto d = Example(5);
    c.change(*d);
    const MessageList told = Recalculate(*d);
    const bool computed = c.message.empty() || c.message[0] == 'P';
    EXPECT_EQ(d->EngineResultsValid, computed) << c.what;
    if (!computed) {  // no part of an engine is left in the cylinder's columns
      EXPECT_EQ(d->table.GasTorque, d->table.SingleGasTorque) << c.what;
      EXPECT_EQ(d->table.InertiaTorque, d->table.SingleInertiaTorque) << c.what;
    }
    if (c.message.empty()) {
      EXPECT_TRUE(told.Empty()) << c.what << ": " << told.All().front().text;
    } else {
      ASSERT_FALSE(told.Empty()) << c.what;  // 17 cylinders: Engine_Data also reports
      EXPECT_EQ(told.All().back().text, c.message) << c.what;
    }
  }
}

}  // namespace
}  // namespace zorvan::testing
