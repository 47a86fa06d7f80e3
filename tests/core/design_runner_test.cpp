#include "core/design_runner.h"

#include <gtest/gtest.h>

#include "core/design_figures.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

RunRequest Settings(std::vector<DesignSetting> settings) {
  RunRequest r;
  r.settings = std::move(settings);
  return r;
}

TEST(DesignRunner, CalculatesAsTheChainAndReadsTheFigures) {
  auto chain = Example(5);
  auto run = StartUp();
  MessageList told;
  ASSERT_TRUE(ApplyPreset(*run, 5, told));
  RunRequest r = Settings({});
  r.flywheel = true;
  r.figures = {0, 9, 15};
  const RunResult result = RunDesign(*run, r);
  ASSERT_TRUE(result.ok) << result.FailureLine();
  EXPECT_TRUE(result.messages.Empty());
  EXPECT_TRUE(run->table.TotalTorque == chain->table.TotalTorque);
  EXPECT_EQ(result.figures[0], FigureValue(*chain, nullptr, 0));
  EXPECT_EQ(result.figures[1], FigureValue(*chain, nullptr, 9));
  EXPECT_GT(result.figures[2], 0);  // the flywheel was sized
  EXPECT_EQ(result.FailureLine(), "");
}

TEST(DesignRunner, ACounterweightSetByHandIsTheOneTheEngineGets) {
  auto d = StartUp();
  const RunResult balanced = RunDesign(*d, Settings({{"NumCylinders", "4"}}));
  ASSERT_TRUE(balanced.ok);
  const float ownMass = d->CounterweightMass;
  d = StartUp();
  const RunResult given = RunDesign(*d, Settings({{"CounterweightMass", "0.001"}}));
  ASSERT_TRUE(given.ok);
  EXPECT_EQ(d->CounterweightMass, 0.001f);
  EXPECT_NE(ownMass, 0.001f);
  // The unbalanced throws are told, as the engine screen tells them.
  ASSERT_EQ(given.messages.Size(), 1u);
  EXPECT_NE(given.messages[0].text.find("NOT now exactly balanced"), std::string::npos);
  EXPECT_EQ(given.messages[0].error, 0);
}

// What stops a design, named as the first line of its report.
TEST(DesignRunner, StopsAtTheFirstFailureAndNamesIt) {
  struct Case {
    std::vector<DesignSetting> settings;
    bool judgeEach;
    std::string line;
  } cases[] = {
      {{{"IdleRPM", "-5"}}, true, "Error 5   (IdleRPM: Idle RPM must be above 0.)  has occurred in --vary IdleRPM"},
      {{{"IdleRPM", "40000"}}, false, "Error 6   (Overflow)  has occurred in --vary IdleRPM"},
      {{{"IdleRPM", "-5"}}, false, "Error 5   (Idle RPM must be above 0.)  has occurred in Input_Limits"},
  };
  for (const Case& c : cases) {
    auto d = StartUp();
    const EngineDesignRecord before = *d;
    RunRequest r = Settings(c.settings);
    r.verb = "--vary";
    r.judgeEachSetting = c.judgeEach;
    const RunResult result = RunDesign(*d, r);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.FailureLine(), c.line);
    EXPECT_FALSE(d->SingleResultsValid);  // nothing was calculated
    if (c.judgeEach) {
      EXPECT_EQ(d->IdleRPM, before.IdleRPM);
    }
  }
}

TEST(DesignSettings, RefusesWhatCannotBeSet) {
  DesignSetting unknown{"Bogus", "1"}, text{"IdleRPM", "fast"}, huge{"IdleRPM", "1e400"},
      list{"PhaseAngle", "0,90,360"}, named{"Arrangement", "vee"};
  EXPECT_EQ(CheckSetting(unknown), "unknown field 'Bogus'");
  EXPECT_EQ(CheckSetting(text), "IdleRPM: 'fast' is not a number");
  EXPECT_EQ(CheckSetting(huge), "IdleRPM: '1e400' is out of range");
  EXPECT_NE(CheckSetting(list)->find("PhaseAngle: "), std::string::npos);
  EXPECT_EQ(CheckSetting(named), std::nullopt);
  EXPECT_EQ(named.value, "2");
  // A list is assigned whole or not at all.
  auto d = StartUp();
  const CylinderArray before = d->FiringOrder;
  EXPECT_THROW(AssignSetting(*d, {"FiringOrder", "4,3,1e39"}), RunTimeError);
  EXPECT_EQ(d->FiringOrder, before);
}

}  // namespace
}  // namespace zorvan::testing
