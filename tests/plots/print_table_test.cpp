// The printed and filed tables: rows by print step, rounding, headings and
// units, the engine's lines, the data file's layout and the printout's pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "core/design.h"
#include "core/number_text.h"
#include "core/numeric.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/runtime_error.h"
#include "plots/print_table.h"
#include "tests/support/engine_fixture.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_printer.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

using testing::StartUpDesign;

std::unique_ptr<EngineDesignRecord> V8() { return testing::Example(5); }

PlotSelection Preset(const char* text) {
  PlotSelection s;
  EXPECT_TRUE(ApplyPlotPreset(s, text, 4));
  return s;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  EXPECT_EQ(start, text.size()) << "every line ends in CR LF";
  return lines;
}

constexpr const char* kShaking = "Total Shaking Force - X, Y, Mag, Angle";

// A printed number ("-1,234.57") as a number.
double Number(std::string cell) {
  std::erase(cell, ',');
  return std::stod(cell);
}

// The magnitude of the engine's total shaking force at a row, from its columns.
double ShakingMagnitude(const EngineDesignRecord& d, int row) {
  return std::hypot(double(d.table.ShakingForce[row][ShakingColumn(0, kX, kTotal)]),
                    double(d.table.ShakingForce[row][ShakingColumn(0, kY, kTotal)]));
}

TEST(PrintTable, RowsFollowTheStepAndEveryNumberTheDecimals) {
  auto d = V8();
  const PlotSelection s = Preset(kShaking);
  EXPECT_EQ(BuildPrintTable(*d, s, {PrintTarget::Screen, 10, 2}).rows.size(), 25u);
  const PrintTable t = BuildPrintTable(*d, s, {PrintTarget::Screen, 3, 0});
  ASSERT_EQ(t.rows.size(), 81u);
  EXPECT_EQ(t.rows[1][0], "9.");  // the formatter's whole-number pattern keeps its point
  for (const auto& row : t.rows)
    for (const std::string& cell : row) EXPECT_EQ(cell.find('.'), cell.size() - 1) << cell;
  const PrintTable two = BuildPrintTable(*d, s, {PrintTarget::Screen, 1, 2});
  EXPECT_EQ(two.rows[1][0], "3.00");
  // The V8 shakes nothing; the inline four's secondary force is read from its columns.
  auto i4 = testing::Example(2);
  const PrintTable four = BuildPrintTable(*i4, s, {PrintTarget::Screen, 1, 2});
  const double m = ShakingMagnitude(*i4, 7);
  ASSERT_GT(m, 100);
  EXPECT_NEAR(Number(four.rows[7][1]), i4->table.ShakingForce[7][ShakingColumn(0, kX, kTotal)], 0.005 + 1e-6 * m);
  EXPECT_NEAR(Number(four.rows[7][3]), m, 0.005 + 1e-6 * m);
  // Steps and decimals only from their lists.
  for (PrintSettings bad : {PrintSettings{PrintTarget::Screen, 4, 2}, PrintSettings{PrintTarget::Screen, 1, 7}}) {
    try {
      BuildPrintTable(*d, s, bad);
      ADD_FAILURE() << "accepted";
    } catch (const RunTimeError& e) {
      EXPECT_EQ(e.Number(), err::InvalidCall);
    }
  }
}

TEST(PrintTable, DataFileLayoutHeadingsAndUnits) {
  auto d = V8();
  ProgramValues v;
  v.UserName = "ann";
  v.DesignNumber = 7;
  const PlotSelection shaking = Preset(kShaking);
  const PrintTable t = BuildPrintTable(*d, shaking, {PrintTarget::DiskFile, 10, 1});
  // Min and Max of each column over the printed rows.
  auto i4 = testing::Example(2);
  const PrintTable four = BuildPrintTable(*i4, shaking, {PrintTarget::DiskFile, 10, 1});
  double low = 1e30, high = -1e30;
  for (int k = 0; k <= kLastRow; k += 10) {
    low = std::min(low, ShakingMagnitude(*i4, k));
    high = std::max(high, ShakingMagnitude(*i4, k));
  }
  EXPECT_NEAR(Number(four.minimum[2]), low, 0.05 + 1e-6 * low);
  EXPECT_NEAR(Number(four.maximum[2]), high, 0.05 + 1e-6 * high);
  EXPECT_GT(high, 100);
  EXPECT_EQ(t.columns[3].printUnit, "deg");  // the screen and printout show degrees under an angle
  const auto lines = Lines(DataFileText(t, v, "12/07/2026", "10:11:12"));
  ASSERT_EQ(lines.size(), 10u + 25u);
  EXPECT_EQ(lines[0], "File \tEngine_1\t\tDesign #\t 7 ");
  EXPECT_EQ(lines[1], "ann\t\t12/07/2026\t\t10:11:12");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "   Phase Angles:   0,  90,  270,  180,  0,  90,  270,  180");
  EXPECT_EQ(lines[4].rfind("   Firing Order:  ", 0), 0u);
  EXPECT_EQ(lines[6], "Angle\tF Shake All\tF Shake All\tF Shake All\tF Shake All\t");
  EXPECT_EQ(lines[7], "Step\tX\tY\tMag\tAng\t");
  EXPECT_EQ(lines[8], "Deg\tlb\tlb\tlb\tlb\t");  // the file keeps the quantity's unit
  EXPECT_EQ(lines[9], "");
  EXPECT_EQ(lines[10], t.rows[0][0] + "\t" + t.rows[0][1] + "\t" + t.rows[0][2] + "\t" + t.rows[0][3] + "\t" +
                           t.rows[0][4] + "\t");
  // Fewer columns still head four.
  PlotSelection one;
  ASSERT_TRUE(Set_Variable(one, "T Total", 1) && Set_Component(one, "Mag", 1));
  one.SlotComponentText[1] = "Magnitude";
  one.FunctionCount = 1;
  const auto single = Lines(DataFileText(BuildPrintTable(*d, one, {}), v, "", ""));
  EXPECT_EQ(single[6], "Angle\tT Total\t\t\t\t");
  ASSERT_TRUE(single[10].starts_with("0.00\t") && single[10].ends_with("\t"));
  EXPECT_NEAR(Number(single[10].substr(5)), d->table.TotalTorque[0], 0.005);
}

// A data file that cannot be written says where and why; the design keeps its name.
TEST(PrintTable, AnUnwritableDataFileIsToldWithItsPath) {
  auto d = V8();
  const PrintTable t = BuildPrintTable(*d, Preset("Torques - Gas, Inertia, Total, and Friction"), {PrintTarget::DiskFile, 3, 2});
  ProgramValues v;
  v.FileName = "vee";
  RecordingPlatform p;
  const std::string bad = ::testing::TempDir() + "/no-such-folder/table.dat";  // missing, for root too
  p.paths = {bad};
  EXPECT_FALSE(SaveDataFile(t, v, p, p));
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text, "The data file could not be written to\r\n" + bad + "\r\n\r\nPath not found.");
  EXPECT_EQ(p.messages[0].icon, Icon::Warning);
  EXPECT_EQ(v.FileName, "vee");
  p.paths = {::testing::TempDir() + "/table.dat"};
  EXPECT_TRUE(SaveDataFile(t, v, p, p));
  EXPECT_EQ(v.FileName, "table");
}

TEST(PrintTable, UnassembledEngineLinesHoldOnlyTheirCaptions) {
  auto d = StartUpDesign();
  MessageList told;
  ASSERT_TRUE(Engine_Data(*d, told));
  d->EngineResultsValid = false;
  const PrintTable t = BuildPrintTable(*d, Preset("Position, Velocity, Acceleration, and Gas Force"), {});
  EXPECT_EQ(t.phaseLine, "Phase Angles:  ");
  EXPECT_EQ(t.firingOrderLine, "Firing Order:  ");
  EXPECT_EQ(t.firingAngleLine, "Firing Angles:  ");
}

TEST(PrintTable, PrintoutPagesOfFortySixRowsUnderTheHeader) {
  auto d = V8();
  ProgramValues v;
  const PrintTable t = BuildPrintTable(*d, Preset(kShaking), {PrintTarget::Printer, 1, 2});
  RecordingZonePrinter p;
  ASSERT_TRUE(PrintTableOn(p, t, v, "12/07/2026", "10:11:12"));
  ASSERT_EQ(p.pages.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(RecordingZonePrinter::DataLines(p.pages[k]), k < 5 ? 46 : 11) << k;
    EXPECT_EQ(p.pages[k][2], (std::vector<std::string>{"", "File Engine_1", "", "Design # 1", "Page " + Str(k + 1)}));
    EXPECT_EQ(p.pages[k][11].back(), "deg");  // the unit line, an angle last
  }
  EXPECT_EQ(p.pages[0].size(), 13u + 46u + 2u);
  EXPECT_TRUE(p.ended);
  EXPECT_EQ(ZonedText({"", "File x", "", "ab"}), std::string(14, ' ') + "File x" + std::string(22, ' ') + "ab");

  RecordingZonePrinter cancelled;
  cancelled.answers = {false};
  EXPECT_FALSE(PrintTableOn(cancelled, t, v, "", ""));
  EXPECT_TRUE(cancelled.pages.empty());
}

}  // namespace
}  // namespace zorvan
