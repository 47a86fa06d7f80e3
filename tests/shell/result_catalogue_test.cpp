// The result catalogue against what the export, the summary report and the
// input screen show of the same design, in every unit system.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "screen_logic/input_data.h"
#include "core/startup.h"
#include "core/design.h"
#include "core/display_units.h"
#include "core/flywheel.h"
#include "core/numeric.h"
#include "core/result_catalogue.h"
#include "core/units.h"
#include "shell/export_table.h"
#include "shell/summary_report.h"
#include "tests/support/recording_ui.h"
#include "tests/support/engine_fixture.h"

namespace zorvan {
namespace {

std::vector<std::string> Cells(const std::string& text, int line) {
  std::istringstream in(text);
  std::string row;
  for (int i = 0; i <= line; ++i) std::getline(in, row);
  if (!row.empty() && row.back() == '\r') row.pop_back();
  std::vector<std::string> cells;
  std::istringstream cellsIn(row);
  for (std::string c; std::getline(cellsIn, c, '\t');) cells.push_back(c);
  return cells;
}

// The V8 example in a unit system, with every result the chain gives.
std::unique_ptr<EngineDesignRecord> V8In(int16_t system) {
  auto d = testing::Example(5);
  ConvertDesign(*d, 1, system);
  d->UnitSystem = system;
  SetUnitLabels(*d);
  SetDigitCounts(*d);
  EXPECT_TRUE(testing::Recalculate(*d).Empty());
  FlywheelResult f;
  MessageList told;
  EXPECT_TRUE(FlywheelCalculation(*d, told, f));
  return d;
}

// The export's columns by their headings: the unit each quantity has in the
// system, and row 17 (51 degrees) read straight from the table's columns,
// lengths shown in cm and mm in systems 4 and 5, pin forces in the crank's
// frame turned back through 51 degrees.
TEST(ResultCatalogue, UnitsAndScalesAgreeWithExportReportAndInputScreen) {
  const char* lengths[] = {"", "in", "ft", "m", "cm", "mm"};
  const char* bases[] = {"", "in", "ft", "m", "m", "m"};
  const double shownLength[] = {0, 1, 1, 1, 100, 1000};
  for (int16_t system = 1; system <= 5; ++system) {
    SCOPED_TRACE(system);
    RecordingUi ui;
    auto d = V8In(system);
    const int row = 17;
    const std::string text = ExportTableText(*d);
    const auto header = Cells(text, 0), values = Cells(text, row + 1);
    ASSERT_EQ(header.size(), 41u);  // the angle; 8 scalars, 4 pins and 6 shakings in two frames or parts; 2, and 2 more
    ASSERT_EQ(values.size(), header.size());
    const std::string force = system <= 2 ? "lb" : "N", torque = force + "-" + bases[system];
    std::map<std::string, double> cell;
    for (std::size_t c = 1; c < header.size(); ++c) {
      const std::string& h = header[c];
      const std::string unit = h.find("Position") != std::string::npos       ? lengths[system]
                               : h.find("Velocity") != std::string::npos     ? std::string(bases[system]) + "/Sec"
                               : h.find("Acceleration") != std::string::npos ? std::string(bases[system]) + "/Sec^2"
                               : h.find("Torque") != std::string::npos || h.find("Moment") != std::string::npos
                                   ? torque
                                   : force;
      EXPECT_TRUE(h.ends_with(" (" + unit + ")")) << h;
      cell[h.substr(0, h.rfind(" ("))] = std::strtod(values[c].c_str(), nullptr);
    }
    const CrankAngleTable& t = d->table;
    auto expect = [&](const std::string& name, double held) {
      ASSERT_EQ(cell.count(name), 1u) << name;
      EXPECT_NEAR(cell[name], held, 2e-6 * std::fabs(held) + 1e-9) << name;
    };
    expect("Piston Position", t.PistonPosition[row] * shownLength[system]);
    expect("Gas Force", t.GasForce[row]);
    expect("Total Torque", t.TotalTorque[row]);
    expect("Friction Torque", t.FrictionTorque[row]);
    const double fx = t.PinForceX[row][kMainBearing], fy = t.PinForceY[row][kMainBearing], a = 51 * 3.141592654 / 180;
    expect("Mainpin Force F21 X", fx);
    expect("Mainpin Force F21 Y", fy);
    expect("Mainpin Force F21 Rotating X", fx * std::cos(a) + fy * std::sin(a));
    expect("Mainpin Force F21 Rotating Y", fy * std::cos(a) - fx * std::sin(a));
    expect("Sidewall Force F41 Y", t.PinForceY[row][kWall]);
    expect("Total Shaking Moment Y", t.ShakingMoment[row][ShakingColumn(0, kY, kTotal)]);
    expect("Total Shaking Force Without Counterweight X", t.SingleShakingForce[row][ShakingColumn(0, kX, kTotal)]);
    expect("Flywheel-Smoothed Torque", t.SmoothedTorque[row]);

    // The bore is shown on the input screen and in the report as the position is.
    InputBoxes boxes;
    InputScreenState state;
    InputDataLogic(*d, ui, boxes, state).Put_InputData();
    EXPECT_EQ(boxes.linkoutUnit[1], lengths[system]);
    EXPECT_EQ(boxes.linkout[1], FNRoundStr(d->Bore * shownLength[system], d->LengthDigits));
    const std::string report = EngineSummaryReport(*d, ProgramValues{});
    EXPECT_NE(report.find(" " + std::string(lengths[system]) + "  "), std::string::npos);
    if (system >= 4) {
      EXPECT_NE(report.find("Bore = " + FNRoundStr(static_cast<float>(d->Bore * shownLength[system]), 1)),
                std::string::npos);
    }
  }
}

TEST(ResultCatalogue, FunctionsAreOfferedByTheFlagsAndReadTheirColumns) {
  EngineDesignRecord d;
  auto offered = [&d] {
    int n = 0;
    for (int f = 1; f <= 19; ++f) n += Offered(d, PlotFunction(f));
    return n;
  };
  d.SingleResultsValid = true;
  EXPECT_EQ(offered(), 15);  // the one-cylinder functions
  d.EngineResultsValid = true;
  EXPECT_EQ(offered(), 18);
  d.FlywheelResultsValid = true;
  EXPECT_EQ(offered(), 19);
  d.table.PinForceX[5][6] = 3;
  d.table.PinForceY[5][1] = 4;
  d.table.SingleShakingForce[5][32] = 7;
  EXPECT_EQ(ResultAt(d.table, PlotFunction(9), 5, true).x, 3);
  EXPECT_EQ(ResultAt(d.table, PlotFunction(9), 5).y, 4);
  EXPECT_EQ(ResultAt(d.table, PlotFunction(20), 5).y, 7);
  EXPECT_THROW(PlotFunction(21), RunTimeError);
  EXPECT_THROW(ResultAt(d.table, PlotFunction(1), 241), RunTimeError);
}

}  // namespace
}  // namespace zorvan
