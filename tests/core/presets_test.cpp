#include <gtest/gtest.h>

#include <cmath>

#include "core/units.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

TEST(Presets, ListTextsInOrder) {
  const char* texts[kPresetCount] = {"4 cyl 4S inline with 0-90-180-270 crank",
                                     "4 cyl 4S inline with 0-180-0-180 crank",
                                     "4 cyl 4S inline with 0-180-180-0 crank",
                                     "4 cyl 4S inline with 0-90-270-180 crank",
                                     "6 cyl 4S inline w/ 0-240-120-120-240-0 crank",
                                     "90 deg V8 4S with 0-90-270-180 crank",
                                     "120 deg W12 4S with 0-180-180-0 crank",
                                     "60 deg  4S V6",
                                     "Five cyl 4S inline",
                                     "Two cyl, 2S inline",
                                     "Two-cyl, 4S opposed"};
  for (int k = 0; k < kPresetCount; ++k) EXPECT_EQ(PresetText(k), texts[k]);
}

TEST(Presets, EveryPresetLoadsAndComputesTheWholeEngine) {
  for (int k = 0; k < kPresetCount; ++k) {
    auto d = Example(k);  // no message: every preset's throws are balanced
    EXPECT_TRUE(d->SingleResultsValid && d->BalanceResultsValid && d->EngineResultsValid) << k;
    EXPECT_FLOAT_EQ(d->TotalDisplacement, d->NumCylinders * d->CylinderDisplacement) << k;
    EXPECT_EQ(d->BalanceError, 0) << k;
    EXPECT_EQ(d->FiringAngle[1], 0) << k;
  }
  auto twoStroke = Example(9);
  EXPECT_EQ(twoStroke->FiringAngle[2], 180);
  for (int row = 0; row <= 120; ++row)
    EXPECT_EQ(twoStroke->table.SingleGasForce[row], twoStroke->table.SingleGasForce[row + 120]) << row;
}

TEST(Presets, EachPresetBalancesItsOwnThrows) {
  // The start-up cylinder: crank 0.015 and rod big end 0.0134 at the crankpin.
  auto inlineFour = Example(0);
  EXPECT_FLOAT_EQ(inlineFour->CounterweightMass, 0.0284f);
  auto v8 = Example(5);  // two big ends on every pin
  EXPECT_FLOAT_EQ(v8->CounterweightMass, 0.0418f);
  EXPECT_FLOAT_EQ(v8->CounterweightRadius, v8->CrankRadius);
  EXPECT_EQ(v8->CounterweightAngle, 180);
  auto w12 = Example(6);  // three big ends, on the W12's own crank radius
  EXPECT_FLOAT_EQ(w12->CounterweightMass, 0.0552f);
  EXPECT_EQ(w12->Bore, 3.19f);
  EXPECT_EQ(w12->LRRatio, 4);
  EXPECT_FLOAT_EQ(w12->CrankRadius, 25 / (3.19f * 3.19f * 3.141592654f / 4) / 2);
  EXPECT_FLOAT_EQ(w12->CounterweightRadius, w12->CrankRadius);
  EXPECT_FLOAT_EQ(w12->ConrodLength, 4 * w12->CrankRadius);

  // Nothing carries over from the design before: the V8 twice, a twin after the V8.
  MessageList told;
  ASSERT_TRUE(LoadExample(*v8, 5, told));
  EXPECT_FLOAT_EQ(v8->CounterweightMass, 0.0418f);
  ASSERT_TRUE(LoadExample(*v8, 10, told));
  EXPECT_FLOAT_EQ(v8->CounterweightMass, 0.0284f);
  EXPECT_TRUE(told.Empty());
}

// The W12's own bore of 3.19 in is taken in the design's units, as every other value is.
TEST(Presets, TheW12BoreIsInTheDesignsUnits) {
  const std::pair<int16_t, float> systems[] = {{1, 3.19f}, {2, 0.2658333f}, {3, 0.081026f}, {4, 0.081026f}};
  for (auto [system, bore] : systems) {
    auto d = Example(2);
    ConvertDesign(*d, 1, system);
    d->UnitSystem = system;
    MessageList told;
    ASSERT_TRUE(ApplyPreset(*d, 6, told));
    EXPECT_EQ(d->Bore, bore) << system;
    EXPECT_GT(d->Stroke, d->Bore / 2) << system;  // the displacement was converted with it
  }
}

TEST(Presets, ApplyingKeepsRowsAboveItsCylinderCount) {
  auto d = Example(6);
  MessageList told;
  ASSERT_TRUE(ApplyPreset(*d, 5, told));
  EXPECT_EQ(d->NumCylinders, 8);
  EXPECT_EQ(d->PhaseAngle[8], 180);
  for (int c = 9; c <= 12; ++c) {
    EXPECT_EQ(d->FiringOrder[c], c == 9 ? 11 : c == 10 ? 4 : c == 11 ? 8 : 12) << c;
    EXPECT_EQ(d->FiringAngle[c], (c - 9) * 180 + 120) << c;
  }
  EXPECT_FALSE(ApplyPreset(*d, 11, told));
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_EQ(told.All()[0].text, "Error 9   (Subscript out of range)  has occurred in Load_Presets\r\n\r\n");
  EXPECT_EQ(d->NumCylinders, 8);
}

TEST(Presets, AModelFilesCounterweightGivesWayToTheExamplesOwn) {
  auto d = Example(2);
  d->LoadedFromFile = true;  // a model file's counterweight survives recalculation...
  d->CounterweightMass = 0.1f;
  MessageList told;
  ASSERT_TRUE(RecalculateAll(*d, told));
  EXPECT_EQ(d->CounterweightMass, 0.1f);
  told.Clear();
  ASSERT_TRUE(LoadExample(*d, 7, told));  // ...but an example brings its own
  EXPECT_FLOAT_EQ(d->CounterweightMass, 0.0284f);
  EXPECT_TRUE(told.Empty());
}

}  // namespace
}  // namespace zorvan::testing
