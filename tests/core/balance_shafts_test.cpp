// Free forces and moments about the engine's centre against the handbook
// figures, and balance shafts sized to cancel a free force.
#include "core/balance_shafts.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

// The largest magnitude over a cycle of order n's free force and moment.
ResidualRow Free(const EngineDesignRecord& d, int n, MomentReference r = MomentReference::Centre) {
  return ResidualTable(d, d, r)[n - 1];
}

std::unique_ptr<EngineDesignRecord> Calculated(std::unique_ptr<EngineDesignRecord> d) {
  const MessageList told = Recalculate(*d);
  EXPECT_TRUE(told.Empty()) << told.All().front().text;
  return d;
}

TEST(BalanceShafts, HandbookFreeForcesAndMomentsAboutTheCentre) {
  auto check = [](const EngineDesignRecord& d, int n, double force, double moment, const char* what) {
    const double unit = d.ReciprocatingForceAmp, a = d.CylinderSpacing;
    const ResidualRow r = Free(d, n);
    EXPECT_NEAR(r.forceWithout, force * unit, 0.005 * force * unit + 1) << what;
    EXPECT_NEAR(r.momentWithout, moment * a * unit, 0.005 * moment * a * unit + 1) << what;
  };
  auto three = Example(4);
  SetRows(*three, {0, 240, 120}, {1, 3, 2}, {0, 480, 240});
  three = Calculated(std::move(three));
  const double l3 = three->RadiusOverLength;
  check(*three, 1, 0, std::sqrt(3.0), "inline 3, first order");
  check(*three, 2, 0, std::sqrt(3.0) * l3, "inline 3, second order");

  auto four = Example(2);
  const double l4 = four->RadiusOverLength;
  check(*four, 2, 4 * l4, 0, "inline 4, second order");
  // About cylinder 1's plane the tables' convention keeps 6 a lambda m r w^2.
  const double cyl1 = 6 * four->CylinderSpacing * l4 * four->ReciprocatingForceAmp;
  EXPECT_NEAR(Free(*four, 2, MomentReference::Cylinder1).momentWithout, cyl1, 1e-4 * cyl1);
  for (auto [reference, expected] : {std::pair{MomentReference::Centre, 0.0}, {MomentReference::Cylinder1, cyl1}}) {
    const std::vector<OrderColumn> columns = OrderAnalysis(*four, OrderSubject::Shaking, reference);
    const OrderColumn& mx = columns[2];
    ASSERT_TRUE(mx.moment && !mx.y);
    EXPECT_NEAR(mx.spectrum[4].amplitude, expected, 1e-4 * cyl1 + 1) << OrderColumnTitle(mx);
  }

  auto twin = Example(5);
  SetRows(*twin, {0, 0}, {1, 2}, {0, 270});
  twin = Calculated(std::move(twin));
  check(*twin, 2, std::sqrt(2.0) * twin->RadiusOverLength, 0, "90 degree V-twin, second order");

  // The cross-plane V8 with its reciprocating masses alone and no counterweight.
  auto v8 = Example(5);
  v8->CrankMass = 0;
  v8->ConrodCGFraction = 1;
  v8->CounterweightMass = 0;
  MessageList told;
  ASSERT_TRUE(Engine_Data(*v8, told) && RecalculateKeepingCounterweight(*v8, told));
  ASSERT_EQ(v8->MassAtCrankpin, 0);
  check(*v8, 1, 0, std::sqrt(10.0), "cross-plane V8, first order");
}

TEST(BalanceShafts, LanchesterPairCuresTheInlineFoursSecondOrderAlone) {
  auto d = Example(2);
  MessageList told;
  ASSERT_TRUE(SizeDesignShafts(*d, ShaftChoice::Second, told));
  ASSERT_EQ(d->BalanceShafts.size(), 2u);
  const BalanceShaft &a = d->BalanceShafts[0], &b = d->BalanceShafts[1];
  EXPECT_EQ(a.sense + b.sense, 0);
  EXPECT_NEAR(a.massRadius / b.massRadius, 1, 1e-9);
  EXPECT_NEAR(ShaftForce(*d, a) + ShaftForce(*d, b), 4 * d->RadiusOverLength * d->ReciprocatingForceAmp,
              1e-5 * d->ReciprocatingForceAmp);
  EXPECT_EQ(ShaftMomentAboutCentre(*d, a), 0);

  const auto with = DesignWithShafts(*d);
  const std::vector<ResidualRow> rows = ResidualTable(*d, *with, MomentReference::Centre);
  EXPECT_LT(rows[1].forceWith, 1e-6 * rows[1].forceWithout);
  EXPECT_GT(rows[3].forceWithout, 0);
  EXPECT_NEAR(rows[3].forceWith, rows[3].forceWithout, 1e-6 * rows[1].forceWithout);
  EXPECT_NEAR(rows[1].momentWith, 0, 1e-6 * rows[1].forceWithout * d->CylinderSpacing);

  // It has no free first order: said so, and the pair is kept.
  ASSERT_TRUE(SizeDesignShafts(*d, ShaftChoice::First, told));
  EXPECT_EQ(d->BalanceShafts.size(), 2u);
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_NE(told.All()[0].text.find("no free first-order force"), std::string::npos);

  // A shaft moved off the centre adds its place times its force.
  d->BalanceShafts[0].position = 0.1;
  const auto moved = DesignWithShafts(*d);
  const double expected = HeldPlace(*d, 0.1) * ShaftForce(*d, d->BalanceShafts[0]);
  EXPECT_NEAR(ResidualTable(*d, *moved, MomentReference::Centre)[1].momentWith, expected, 1e-4 * expected);
}

TEST(BalanceShafts, OneShaftAgainstTheCrankCuresASingleWithHalfItsReciprocatingMass) {
  auto d = StartUp();
  d->Arrangement = 0;
  d->NumCylinders = 1;
  MessageList told;
  ASSERT_TRUE(Engine_Data(*d, told));
  d->CounterweightRadius = d->CrankRadius;
  d->CounterweightMass = d->MassAtCrankpin + 0.5f * d->MassAtWristpin;
  ASSERT_TRUE(RecalculateKeepingCounterweight(*d, told));
  ASSERT_TRUE(d->EngineResultsValid && d->NumCylinders == 1);
  ASSERT_TRUE(SizeDesignShafts(*d, ShaftChoice::First, told));
  ASSERT_EQ(d->BalanceShafts.size(), 1u) << "a 50 % counterweight leaves only the part against the crank";
  EXPECT_EQ(d->BalanceShafts[0].sense, -1);
  EXPECT_NEAR(ShaftForce(*d, d->BalanceShafts[0]), 0.5 * d->ReciprocatingForceAmp, 1e-3 * d->ReciprocatingForceAmp);
  const auto with = DesignWithShafts(*d);
  const ResidualRow first = ResidualTable(*d, *with, MomentReference::Centre)[0];
  EXPECT_LT(first.forceWith, 1e-6 * first.forceWithout);
}

TEST(BalanceShafts, EnteredShaftsOutsideTheirRangesAreRefused) {
  for (BalanceShaft s : {BalanceShaft{3, 1, 1, 0, 0}, BalanceShaft{1, 0, 1, 0, 0}, BalanceShaft{1, 1, -1, 0, 0},
                         BalanceShaft{1, 1, NAN, 0, 0}, BalanceShaft{1, 1, 1, INFINITY, 0},
                         BalanceShaft{1, 1, 1, 0, 2 * kMaxShaftPlace}})
    EXPECT_TRUE(ShaftFault(s).has_value()) << s.order << " " << s.sense << " " << s.massRadius;
  EXPECT_FALSE(ShaftFault({2, -1, kMaxMassRadius, -180, -kMaxShaftPlace}));
  EXPECT_EQ(ParseShaftChoice("both"), ShaftChoice::Both);
  EXPECT_FALSE(ParseShaftChoice("third"));
}

}  // namespace
}  // namespace zorvan::testing
