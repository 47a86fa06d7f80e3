// The torsional screen's table: cells as shown read back unchanged, an edit
// becomes the design's entered shaft, a bad one changes nothing.
#include "screen_logic/torsional_data.h"

#include <gtest/gtest.h>

#include "core/startup.h"

namespace zorvan {
namespace {

TEST(TorsionalData, StationsAcceptedOrRefused) {
  EngineDesignRecord d;
  MessageList told;
  Initialize(d, told);
  const ShaftTable shown = {{"Throw 1", 0.1 + 0.2, 1e7 / 3, 0}, {"Flywheel", 2, 0, 1.5}};
  std::vector<ShaftRowTexts> cells = StationCells(shown);
  EXPECT_EQ(cells[0][1], "0.3");
  EXPECT_EQ(cells[1][2], "");
  bool changed = true;
  EXPECT_FALSE(AcceptStations(d, cells, shown, changed));
  EXPECT_FALSE(changed);
  EXPECT_FALSE(d.Shaft);  // the defaults stand
  cells[1][1] = "3";
  EXPECT_FALSE(AcceptStations(d, cells, shown, changed));
  EXPECT_TRUE(changed);
  ASSERT_TRUE(d.Shaft);
  EXPECT_EQ((*d.Shaft)[1].inertia, 3);
  EXPECT_EQ((*d.Shaft)[0].inertia, 0.1 + 0.2);  // a cell left as shown keeps its exact value
  EXPECT_EQ((*d.Shaft)[0].stiffness, 1e7 / 3);
  cells[0][2] = "";
  EXPECT_EQ(AcceptStations(d, cells, shown, changed).value_or(""),
            "Row 1 (\"Throw 1\"): the stiffness to the next station must be a number above 0.");
  EXPECT_EQ((*d.Shaft)[1].inertia, 3);
  EXPECT_EQ(ModalRatioOf(" 2.5 "), 0.025);
  EXPECT_FALSE(ModalRatioOf("100"));
  EXPECT_FALSE(ModalRatioOf("-1"));
}

}  // namespace
}  // namespace zorvan
