// The one-cylinder pass as a whole: validity flags, refusal of unusable
// designs, and faults that must end in the error report.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "tests/support/one_cylinder_fixture.h"

namespace zorvan {
namespace {

using testing::HandDesign;

void SetAllFlags(EngineDesignRecord& d, bool v) {
  d.SingleResultsValid = d.BalanceResultsValid = d.EngineResultsValid = d.FlywheelResultsValid = v;
}

TEST(OneCylinderPass, StartUpDesignThroughStartUp) {
  auto d = testing::StartUpDesign();
  testing::RunPass(*d);
  const auto& t = d->table;
  EXPECT_NEAR(t.PistonPosition[0], 1.7683883f + 6.189359f, 1e-5);
  EXPECT_NEAR(t.GasForce[10], 4241.2, 0.2);
  EXPECT_FLOAT_EQ(d->RadiusOverLength, 1 / 3.5f);
  EXPECT_FLOAT_EQ(d->HalfRadiusOverLength, 1 / 7.0f);
}

TEST(OneCylinderPass, FlagsAtTheStartAndEndOfAPass) {
  struct Case {
    bool loadedFromFile, screenHoldsBalance, balanceAfter;
  };
  // The counterweight is not in these results: the balance flag survives only
  // for a design from a model file whose balancing screen holds its result.
  for (Case c : {Case{false, false, false}, Case{false, true, false}, Case{true, false, false},
                 Case{true, true, true}}) {
    auto d = HandDesign();
    SetAllFlags(*d, true);
    d->LoadedFromFile = c.loadedFromFile;
    d->BalanceScreenHoldsResult = c.screenHoldsBalance;
    testing::RunPass(*d);
    SCOPED_TRACE(::testing::Message() << c.loadedFromFile << c.screenHoldsBalance);
    EXPECT_TRUE(d->SingleResultsValid);
    EXPECT_EQ(d->BalanceResultsValid, c.balanceAfter);
    EXPECT_FALSE(d->EngineResultsValid);
    EXPECT_FALSE(d->FlywheelResultsValid);
  }
}

TEST(OneCylinderPass, NoRowsChangesOnlyTheFlags) {
  auto d = HandDesign();
  d->LastStep = -1;
  d->table.CrankAngle[0] = 99;
  d->table.ShakingForce[0][5] = 99;
  SetAllFlags(*d, true);
  testing::RunPass(*d);
  EXPECT_EQ(d->table.CrankAngle[0], 99.0f);
  EXPECT_EQ(d->table.ShakingForce[0][5], 99.0f);
  EXPECT_EQ(d->RadiusOverLength, 0.0f);
  EXPECT_TRUE(d->SingleResultsValid);
  EXPECT_FALSE(d->BalanceResultsValid);
  EXPECT_FALSE(d->EngineResultsValid);
  EXPECT_FALSE(d->FlywheelResultsValid);
}

struct Fault {
  const char* what;
  std::function<void(EngineDesignRecord&)> spoil;
  int number;
};

// Each spoiled design ends in one report under the pass's name, leaves no
// results marked valid, and never crashes; a refused design leaves the table as it was.
TEST(OneCylinderPass, FaultsEndInTheErrorReport) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Fault faults[] = {
      {"rod length 0", [](auto& d) { d.ConrodLength = 0; }, err::DivisionByZero},
      {"huge crank", [](auto& d) { d.CrankRadius = 1e30f; d.ConrodLength = 3.5e30f; }, err::Overflow},
      {"huge speed", [](auto& d) { d.Omega = 1e20f; d.OmegaSquared = 3e38f; }, err::Overflow},
      {"speed not a number", [nan](auto& d) { d.Omega = nan; }, err::Overflow},
      {"gas scale not a number", [nan](auto& d) { d.GasPressureScale = nan; }, err::Overflow},
      {"huge gas scale", [](auto& d) { d.GasPressureScale = 1e37f; }, err::Overflow},
      {"mass not a number", [nan](auto& d) { d.PistonMass = nan; testing::LumpMasses(d); }, err::InvalidCall},
      {"negative piston", [](auto& d) { d.PistonMass = -0.01f; testing::LumpMasses(d); }, err::InvalidCall},
      {"negative crank", [](auto& d) { d.CrankMass = -0.01f; testing::LumpMasses(d); }, err::InvalidCall},
      {"rod centre beyond the wristpin", [](auto& d) { d.ConrodCGFraction = 1.5f; testing::LumpMasses(d); },
       err::InvalidCall},
      {"negative friction", [](auto& d) { d.FrictionCoefficient = -0.1f; }, err::InvalidCall},
      {"bore not a number", [nan](auto& d) { d.Bore = nan; }, err::InvalidCall},
      {"negative L/R", [](auto& d) { d.LRRatio = -3.5f; }, err::InvalidCall},
      {"no piston area", [](auto& d) { d.PistonArea = 0; }, err::InvalidCall},
      {"no crank", [](auto& d) { d.CrankRadius = 0; }, err::InvalidCall},
      {"more rows than the table", [](auto& d) { d.LastStep = 241; }, err::SubscriptOutOfRange},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    auto d = HandDesign();
    d->LoadedFromFile = true;  // such a design would otherwise keep its flags
    SetAllFlags(*d, true);
    f.spoil(*d);
    d->table.PistonPosition[7] = 99;
    MessageList told;
    EXPECT_FALSE(OneCylinderPass(*d, told));
    if (f.number != err::Overflow) {  // refused before anything was written
      EXPECT_EQ(d->table.PistonPosition[7], 99.0f);
    }
    ASSERT_EQ(told.Size(), 1u);
    EXPECT_EQ(told.All()[0].text, "Error " + std::to_string(f.number) + "   (" + ErrorDescription(f.number) +
                                       ")  has occurred in One_Cylinder\r\n\r\n");
    EXPECT_EQ(told.All()[0].icon, Icon::Information);
    EXPECT_FALSE(d->SingleResultsValid);
    EXPECT_FALSE(d->BalanceResultsValid);
    EXPECT_FALSE(d->EngineResultsValid);
    EXPECT_FALSE(d->FlywheelResultsValid);
  }
}

// Designs the linkage or the tables cannot describe are refused by name, and
// leave the table as it was; a rod that clears the offset is still a design.
TEST(OneCylinderPass, UndescribableDesignsAreRefusedByName) {
  const std::vector<std::pair<std::function<void(EngineDesignRecord&)>, const char*>> cases{
      {[](auto& d) { d.ConrodLength = d.CrankRadius; }, "The linkage cannot close"},        // L/R 1
      {[](auto& d) { d.ConrodLength = d.CrankRadius / 2; }, "The linkage cannot close"},    // L/R 0.5
      {[](auto& d) { d.WristpinOffset = -(d.ConrodLength - d.CrankRadius); }, "The linkage cannot close"},
      {[](auto& d) { d.WristpinOffset = std::nanf(""); }, "The linkage cannot close"},
      {[](auto& d) { d.StrokeCycle = 3; }, "StrokeCycle must be 2 or 4"},
      {[](auto& d) { d.RodsPerCrank = 0; }, "RodsPerCrank must be 1 to 16"},
      {[](auto& d) { d.RodsPerCrank = 17; }, "RodsPerCrank must be 1 to 16"},
      {[](auto& d) { d.GasCurve = 3; }, "GasCurve must be 1 or 2"},
  };
  for (const auto& [spoil, text] : cases) {
    auto d = HandDesign();
    spoil(*d);
    d->table.PistonPosition[7] = 99;
    MessageList told;
    EXPECT_FALSE(OneCylinderPass(*d, told)) << text;
    ASSERT_EQ(told.Size(), 1u);
    EXPECT_TRUE(told.All()[0].text.starts_with(std::string("Error 5   (") + text)) << told.All()[0].text;
    EXPECT_EQ(d->table.PistonPosition[7], 99.0f);
    EXPECT_FALSE(d->SingleResultsValid);
  }
  auto d = HandDesign();
  d->WristpinOffset = -0.5f;
  MessageList told;
  EXPECT_TRUE(OneCylinderPass(*d, told));
  EXPECT_TRUE(told.Empty());
}

// Bad entries that reach the derivation step: its report comes first, and the
// pass then refuses the half-derived design instead of computing from stale fields.
TEST(OneCylinderPass, BadEntriesThroughTheDerivationStep) {
  for (auto spoil : std::initializer_list<std::function<void(EngineDesignRecord&)>>{
           [](auto& d) { d.Bore = 0; }, [](auto& d) { d.LRRatio = 0; },
           [](auto& d) { d.Bore = std::numeric_limits<float>::quiet_NaN(); },
           [](auto& d) { d.CylinderDisplacement = 0; },
           [](auto& d) { d.ConrodMass = -0.02f; }}) {
    auto d = testing::StartUpDesign();
    spoil(*d);
    MessageList told;
    Engine_Data(*d, told);
    EXPECT_FALSE(OneCylinderPass(*d, told));
    ASSERT_FALSE(told.Empty());
    EXPECT_NE(told.All().back().text.find("has occurred in One_Cylinder"), std::string::npos);
    EXPECT_FALSE(d->SingleResultsValid);
  }
}

}  // namespace
}  // namespace zorvan
