// The selection screens' logic on their boxes: what the lists offer, the
// slots accepted by hand and from presets, validation and the hand-over.
#include "plots/plot_select_logic.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/recording_ui.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

struct Screen {
  std::unique_ptr<EngineDesignRecord> d = StartUp();
  PlotSelection s;
  RecordingUi ui;
  PlotSelectBoxes b;
  PlotSelectLogic logic;
  explicit Screen(int k, bool engine = false, bool flywheel = false) : logic(*d, s, ui, b, k) {
    if (engine || flywheel) Recalculate(*d);
    d->SingleResultsValid = true;
    d->EngineResultsValid = engine;
    d->FlywheelResultsValid = flywheel;
    logic.Load();
    logic.Activate();
  }
  // Mix and Match: a function and component chosen in slot N and accepted.
  void Fill(int slot, const std::string& function, const std::string& component = "X") {
    b.slot[slot].var.Choose(function);
    logic.Variable_Picked(slot);
    if (b.slot[slot].com.enabled) {
      b.slot[slot].com.Choose(component);
      logic.Component_Picked(slot);
    }
    ASSERT_TRUE(b.slot[slot].okEnabled) << function;
    logic.AcceptSlot(slot);
  }
};

TEST(PlotSelectLogic, ListsOfferWhatTheResultsAllow) {
  struct Case { bool engine, flywheel; std::size_t functions, four, two; };
  for (const Case& c : {Case{false, false, 15, 11, 16}, Case{true, false, 18, 15, 18}, Case{true, true, 19, 16, 19}}) {
    Screen one(1, c.engine, c.flywheel), two(2, c.engine, c.flywheel);
    EXPECT_EQ(one.b.slot[4].var.items.size(), c.functions);
    EXPECT_EQ(one.b.preset.items.size(), c.four);
    EXPECT_EQ(two.b.preset.items.size(), c.two);
    EXPECT_EQ(std::set<std::string>(two.b.preset.items.begin(), two.b.preset.items.end()).size(), c.two);  // no name twice
    EXPECT_EQ(two.b.slot[2].com.items, (std::vector<std::string>{"X", "Y", "Mag", "Ang"}));
    EXPECT_TRUE(one.s.ResultsExist);
  }
}

TEST(PlotSelectLogic, OneWindowScreenWarnsOfAGapAndCountsFunctions) {
  Screen w(1);
  w.logic.SetupMethod(false);
  EXPECT_EQ(w.b.focus, PlotSelectFocus::Var);
  w.Fill(1, "Position");
  EXPECT_TRUE(w.b.doneEnabled);
  w.Fill(3, "F Gas");
  ASSERT_EQ(w.ui.messages.size(), 1u);
  EXPECT_EQ(w.ui.messages[0].text,
            "Something is wrong. \r\rYou are missing a plot selection.\r\rPlease leave no gaps between selections. "
            "\rTwo functions should use Plots 1 and 2. \rThree functions should use Plots 1, 2, and 3.");
  EXPECT_EQ(w.ui.messages[0].icon, Icon::Warning);
  EXPECT_FALSE(w.b.doneEnabled);
  w.Fill(2, "F Wrist", "Ang");
  EXPECT_TRUE(w.b.doneEnabled);
  EXPECT_EQ(w.s.FunctionCount, 3);
  EXPECT_EQ(w.b.functionLabel[1], "F Wrist");
  EXPECT_EQ(w.s.SlotComponent[2], kCompAng);
  // Clearing slot 2 opens the gap again; clearing slot 3 as well closes it.
  w.logic.ClearSlot(2);
  EXPECT_FALSE(w.b.doneEnabled);
  w.logic.ClearSlot(3);
  EXPECT_TRUE(w.b.doneEnabled);
  EXPECT_EQ(w.s.FunctionCount, 1);
  EXPECT_EQ(w.logic.Next(), ScreenId::Plot1);
}

TEST(PlotSelectLogic, ScalarTakesMagnitudeAndItsComponentListIsFixed) {
  Screen w(3);
  w.logic.SetupMethod(false);
  w.b.slot[1].var.Choose("T Gas");
  w.logic.Variable_Picked(1);
  EXPECT_FALSE(w.b.slot[1].com.enabled);
  EXPECT_EQ(w.b.slot[1].com.Text(), "Mag");
  EXPECT_TRUE(w.b.slot[1].okEnabled);
  EXPECT_EQ(w.b.focus, PlotSelectFocus::Ok);
  w.logic.AcceptSlot(1);
  EXPECT_EQ(w.b.componentLabel[0], "Mag");
  EXPECT_EQ(w.s.SlotComponentText[1], "Magnitude");
  // The four-window screen needs all four slots.
  w.Fill(2, "F Crank");
  w.Fill(3, "F Main", "Y");
  EXPECT_FALSE(w.b.doneEnabled);
  w.Fill(4, "Accel");
  EXPECT_TRUE(w.b.doneEnabled);
  EXPECT_EQ(w.b.focus, PlotSelectFocus::Done);
  w.b.style = 1;
  EXPECT_EQ(w.logic.Next(), ScreenId::Plot3);
  EXPECT_EQ(w.s.PlotStyle, 2);
  EXPECT_EQ(w.s.WindowCount, 4);
}

TEST(PlotSelectLogic, LocalRotatingFrameReadsTurnedPinForcesUntilNextActivation) {
  Screen w(2, true);
  w.logic.SetupMethod(false);
  w.Fill(1, "F Crank", "X");
  EXPECT_TRUE(w.b.coordFrameEnabled && w.b.localEnabled);
  w.Fill(2, "F Wrist", "X");
  EXPECT_FALSE(w.b.coordFrameEnabled);  // the box follows the slot picked last
  w.b.coord = 1;
  EXPECT_EQ(w.logic.Next(), ScreenId::MyPlot2);
  EXPECT_EQ(w.s.CoordinateSystem, 1);
  EXPECT_EQ(w.b.coord, 0);  // the box shows "Global" again, the plots keep the choice
  // At 0 degrees the two frames agree: mark the turned columns to tell them apart.
  auto& t = w.d->table;
  t.PinForceX[0][6] = t.PinForceX[0][1] + 100;
  t.PinForceX[0][7] = t.PinForceX[0][2] + 100;
  EXPECT_EQ(Select_Variable(*w.d, w.s, 0, 1), t.PinForceX[0][6]);
  EXPECT_EQ(Select_Variable(*w.d, w.s, 0, 2), t.PinForceX[0][2]);  // the wristpin does not turn
  w.logic.Activate();
  EXPECT_EQ(w.s.CoordinateSystem, 0);
  EXPECT_TRUE(w.b.functionLabel[0].empty());
}

TEST(PlotSelectLogic, PresetsFillEverySlotAndLeadOn) {
  Screen w(1, true);
  EXPECT_EQ(w.b.focus, PlotSelectFocus::Preset);
  w.b.preset.Choose("Crankpin Force - X, Y, Mag, Angle");
  EXPECT_TRUE(w.logic.PresetDoubleClicked());
  EXPECT_EQ(w.b.componentLabel, (std::array<std::string, 4>{"X", "Y", "Mag", "Ang"}));
  EXPECT_EQ(w.s.SlotFunction[4], 9);
  EXPECT_EQ(w.s.FunctionCount, 4);
  EXPECT_TRUE(w.b.coordFrameEnabled);
  EXPECT_FALSE(w.b.slot[1].var.enabled || w.b.slot[4].okEnabled);
  w.b.preset.Choose("Torques - Gas, Inertia, Total, and Friction");
  w.logic.PresetPicked();
  EXPECT_FALSE(w.b.coordFrameEnabled);
  EXPECT_EQ(w.s.SlotComponentText[2], "Magnitude");
  w.logic.ClearPreset();
  EXPECT_FALSE(w.b.doneEnabled);
  EXPECT_TRUE(w.b.preset.Text().empty() && w.b.functionLabel[0].empty() && w.b.slot[1].var.Text().empty());

  // Two-slot presets name scalars with X and Y; they end as "Mag".
  Screen two(2);
  two.b.preset.Choose("Gas Force and Gas Torque");
  two.logic.PresetPicked();
  EXPECT_EQ(two.s.SlotComponent[1], kCompMag);
  EXPECT_EQ(two.b.componentLabel[1], "Mag");
  EXPECT_TRUE(two.b.doneEnabled);
  EXPECT_TRUE(two.ui.messages.empty());
}

TEST(PlotSelectLogic, DoubleClicksPressNextAsEachScreenAllows) {
  Screen two(2);
  two.logic.SetupMethod(false);
  two.b.slot[1].var.Choose("Velocity");
  EXPECT_FALSE(two.logic.VariableDoubleClicked(1));  // accepted, slot 2 still empty
  EXPECT_EQ(two.b.functionLabel[0], "Velocity");
  two.b.slot[2].var.Choose("Accel");
  EXPECT_TRUE(two.logic.VariableDoubleClicked(2));

  Screen one(1);
  one.logic.SetupMethod(false);
  for (int k = 1; k <= 4; ++k) one.Fill(k, "Position");
  one.b.slot[2].var.Choose("F Gas");
  EXPECT_TRUE(one.logic.VariableDoubleClicked(2));
  EXPECT_EQ(one.s.SlotFunction[2], 4);

  Screen three(3);
  three.logic.SetupMethod(false);
  three.b.slot[1].var.Choose("Position");
  EXPECT_FALSE(three.logic.VariableDoubleClicked(1));
  EXPECT_TRUE(three.b.functionLabel[0].empty());
}

TEST(PlotTypeLogic, OptionLeadsToItsSelectionScreen) {
  PlotSelection s;
  PlotTypeBoxes b;
  PlotTypeLogic logic(s, b);
  EXPECT_FALSE(b.nextEnabled);
  logic.OptionClicked(1);
  EXPECT_TRUE(b.nextEnabled);
  EXPECT_EQ(logic.Next(), ScreenId::PlotSelect2);
  EXPECT_EQ(s.PlotType, 2);
  EXPECT_TRUE(logic.OptionDoubleClicked(3));
  EXPECT_EQ(logic.Next(), ScreenId::PlotSelect4);
  EXPECT_EQ(s.PlotType, 4);
}

}  // namespace
}  // namespace zorvan::testing
