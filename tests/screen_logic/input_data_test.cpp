// The one-cylinder screen's logic without widgets: boxes as texts in, the
// record and the boxes out, the messages on the recording Ui.
#include "screen_logic/input_data.h"

#include <gtest/gtest.h>

#include "core/units.h"
#include "tests/support/one_cylinder_fixture.h"
#include "tests/support/recording_ui.h"

namespace zorvan::testing {
namespace {

struct InputScreen {
  std::unique_ptr<EngineDesignRecord> d = StartUpDesign();
  RecordingUi ui;
  InputBoxes boxes;
  InputScreenState state;
  InputDataLogic logic{*d, ui, boxes, state};
  InputScreen() { logic.Activate(); }
  void Type(int k, const std::string& text) {
    boxes.linkout[k] = text;
    boxes.linkoutEdited[k] = true;
  }
  void Type2(int k, const std::string& text) {
    boxes.linkout2[k] = text;
    boxes.linkout2Edited[k] = true;
  }
};

TEST(InputScreenLogic, ARefusedEntryIsToldOnceAndTheRecordKeepsItsValue) {
  const struct {
    int box;
    const char* text;
    const char* message;
  } cases[] = {{1, "-1", "Bore must be above 0."},
               {1, "abc", "The bore is not a number.  Please redo."},
               {1, "1e40", "The bore is out of range.  Please redo."},
               {4, "0", "L/R Ratio must be above 0."},
               {2, "0", "Stroke must be above 0."}};
  for (const auto& c : cases) {
    InputScreen s;
    const EngineDesignRecord before = *s.d;
    const std::string shown = s.boxes.linkout[c.box];
    s.Type(c.box, c.text);
    EXPECT_FALSE(s.logic.Linkout_LostFocus(c.box)) << c.text;
    ASSERT_EQ(s.ui.messages.size(), 1u) << c.text;
    EXPECT_EQ(s.ui.messages[0].text, c.message);
    EXPECT_EQ(s.ui.messages[0].icon, Icon::Warning);
    EXPECT_EQ(s.d->Bore, before.Bore);
    EXPECT_EQ(s.d->LRRatio, before.LRRatio);
    EXPECT_EQ(s.boxes.linkout[c.box], shown) << "the box shows the record's value again";
  }
  InputScreen s;
  s.Type2(2, "40000");  // a 16-bit speed
  EXPECT_FALSE(s.logic.Linkout2_LostFocus(2));
  EXPECT_EQ(s.ui.messages.back().text, "Idle RPM must be at most 32767.");
}

TEST(InputScreenLogic, BoxesShowAndReadTheUnitSystemsOwnUnits) {
  InputScreen s;
  ConvertDesign(*s.d, 1, 4);  // centimetres on screen, metres held
  s.d->UnitSystem = 4;
  SetUnitLabels(*s.d);
  SetDigitCounts(*s.d);
  ASSERT_TRUE(s.logic.Put_InputData());
  EXPECT_EQ(s.boxes.linkoutUnit[1], "cm");
  EXPECT_EQ(s.boxes.linkoutUnit[0], "cc");
  EXPECT_EQ(s.boxes.linkout2Unit[7], "MPa");
  EXPECT_EQ(std::stod(s.boxes.linkout[1]), 7.62);  // the 3 in bore
  s.Type(1, "8");
  ASSERT_TRUE(s.logic.Linkout_LostFocus(1));
  EXPECT_FLOAT_EQ(s.d->Bore, 0.08f);
  s.Type2(7, "5");  // MPa
  ASSERT_TRUE(s.logic.Linkout2_LostFocus(7));
  EXPECT_FLOAT_EQ(s.d->PeakPressureEngine, 5e6f);
}

TEST(InputScreenLogic, CalculateReadsOnlyTheEditedBoxes) {
  InputScreen s;
  const EngineDesignRecord before = *s.d;
  s.boxes.linkout[4] = "not read";  // shown, never edited
  s.boxes.linkout2[8] = "";
  s.Type(1, "3.5");  // typed, and Calculate pressed before leaving the box
  ASSERT_TRUE(s.logic.Calculate());
  s.Type2(2, "900");
  ASSERT_TRUE(s.logic.Calculate());
  EXPECT_TRUE(s.ui.messages.empty());
  EXPECT_EQ(s.d->Bore, 3.5f);
  EXPECT_EQ(s.d->IdleRPM, 900);
  EXPECT_EQ(s.d->LRRatio, before.LRRatio);
  EXPECT_EQ(s.d->FrictionCoefficient, before.FrictionCoefficient);
  EXPECT_TRUE(s.d->SingleResultsValid);
  EXPECT_TRUE(s.state.doneEnabled);
  EXPECT_EQ(s.boxes.linkout[4], "3.500");  // written back from the record
  // Idle above redline is refused before anything is calculated.
  s.Type2(2, "7000");
  EXPECT_FALSE(s.logic.Calculate());
  EXPECT_EQ(s.ui.messages.back().text, "Idle RPM must not be above Redline RPM.");
  EXPECT_FALSE(s.d->SingleResultsValid);
}

}  // namespace
}  // namespace zorvan::testing
