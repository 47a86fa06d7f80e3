// The engine configuration screen's logic without widgets.
#include "screen_logic/engine_data.h"

#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"
#include "tests/support/recording_platform.h"

namespace zorvan::testing {
namespace {

struct EngineScreen {
  std::unique_ptr<EngineDesignRecord> d = StartUp();
  ProgramValues v;
  RecordingPlatform p;
  EngineBoxes boxes;
  EngineScreenState state;
  EngineDataLogic logic{*d, v, p, p, boxes, state};
  EngineScreen() { logic.Activate(0); }
  // Four rows of a four-stroke inline four: phase, firing angle, firing order.
  void Rows(const char* const (&rows)[4][3]) {
    for (int k = 1; k <= 4; ++k) boxes.rows[k] = {rows[k - 1][0], rows[k - 1][1], rows[k - 1][2], ""};
  }
};

constexpr const char* kFour[4][3] = {{"0", "0", "1"}, {"180", "540", "3"}, {"180", "180", "4"}, {"0", "360", "2"}};

TEST(EngineScreenLogic, ARefusedRowEntryIsToldAndTheLastGoodValueRestored) {
  EngineScreen s;
  s.Rows(kFour);
  ASSERT_TRUE(s.logic.Calculate());
  s.boxes.rows[2].phase = "400";
  s.logic.RowEdit(2, EngineDataLogic::RowBox::Phase);
  ASSERT_EQ(s.p.messages.size(), 1u);
  EXPECT_EQ(s.p.messages[0].text, "The phase angle of cylinder 2 must be at least 0 and below 360.");
  EXPECT_EQ(s.p.messages[0].icon, Icon::Warning);
  EXPECT_EQ(s.boxes.rows[2].phase, "180");  // the engine's value
  s.logic.RowEdit(2, EngineDataLogic::RowBox::Phase);  // left again unchanged
  EXPECT_TRUE(s.d->EngineResultsValid && s.state.balanceEnabled && s.state.drawEngine);
  EXPECT_EQ(s.p.messages.size(), 1u);
  // A value typed by hand is the box's last good one.
  s.boxes.rows[3].order = "2";
  s.logic.RowEdit(3, EngineDataLogic::RowBox::Order);
  EXPECT_FALSE(s.d->EngineResultsValid || s.state.balanceEnabled);
  s.boxes.rows[3].order = "x";
  s.logic.RowEdit(3, EngineDataLogic::RowBox::Order);
  EXPECT_EQ(s.p.messages.back().text, "The firing-order entry 3 is not a number.  Please redo.");
  EXPECT_EQ(s.boxes.rows[3].order, "2");
  // Calculate waits for every row.
  s.boxes.rows[3].order = "";
  s.logic.RowEdit(3, EngineDataLogic::RowBox::Order);
  EXPECT_FALSE(s.logic.Calculate());
  EXPECT_EQ(s.p.messages.back().text,
            "Please fill in the Firing Order, Phase Angles, and Firing Angles for this engine");
  EXPECT_FALSE(s.d->EngineResultsValid);
}

TEST(EngineScreenLogic, CalculateReadsTheRowsAndAssemblesTheEngine) {
  EngineScreen s;
  s.Rows(kFour);
  s.boxes.spacing = "4.5";
  ASSERT_TRUE(s.logic.Calculate());
  EXPECT_TRUE(s.p.messages.empty()) << s.p.messages.front().text;
  EXPECT_TRUE(s.d->EngineResultsValid);
  EXPECT_EQ(s.d->CylinderSpacing, 4.5f);
  EXPECT_EQ(s.d->PhaseAngle[2], 180);
  EXPECT_EQ(s.d->FiringAngle[4], 360);
  EXPECT_EQ(s.d->FiringOrder[2], 3);
  EXPECT_TRUE(s.state.balanceEnabled && s.state.doneEnabled && s.state.drawEngine);
  // A firing order naming a cylinder twice is refused whole; the engine stands as it was.
  const float spacing = s.d->CylinderSpacing;
  s.boxes.rows[4].order = "1";
  s.boxes.spacing = "9";
  EXPECT_FALSE(s.logic.Calculate());
  EXPECT_EQ(s.p.messages.back().text, "The firing order must name each cylinder from 1 to 4 exactly once.");
  EXPECT_EQ(s.d->CylinderSpacing, spacing);
  // A vee engine without an angle is told so and not calculated.
  s.Rows(kFour);
  s.state.arrangementIndex = 1;
  s.logic.ArrangementChange(1);
  s.boxes.veeAngle = "0";
  s.p.messages.clear();
  EXPECT_FALSE(s.logic.Calculate());
  EXPECT_FALSE(s.d->EngineResultsValid);
}

}  // namespace
}  // namespace zorvan::testing
