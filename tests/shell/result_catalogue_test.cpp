// The result catalogue against what the export, the summary report and the
// input screen show of the same design, in every unit system.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "screen_logic/input_data.h"
#include "core/startup.h"
#include "core/design.h"
#include "core/display_units.h"
#include "core/flywheel.h"
#include "core/numeric.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/result_catalogue.h"
#include "core/units.h"
#include "shell/export_table.h"
#include "shell/summary_report.h"
#include "tests/support/recording_ui.h"

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
void V8In(EngineDesignRecord& d, int16_t system) {
  MessageList told;
  Initialize(d, told);
  ASSERT_TRUE(LoadExample(d, 5, told));
  ConvertDesign(d, 1, system);
  d.UnitSystem = system;
  SetUnitLabels(d);
  SetDigitCounts(d);
  FlywheelResult f;
  ASSERT_TRUE(Engine_Data(d, told) && RecalculateAll(d, told) && FlywheelCalculation(d, told, f));
}

TEST(ResultCatalogue, UnitsAndScalesAgreeWithExportReportAndInputScreen) {
  for (int16_t system = 1; system <= 5; ++system) {
    SCOPED_TRACE(system);
    RecordingUi ui;
    auto d = std::make_unique<EngineDesignRecord>();
    V8In(*d, system);
    const int row = 17;
    const std::string text = ExportTableText(*d);
    const auto header = Cells(text, 0), values = Cells(text, row + 1);
    std::size_t c = 1;  // after the crank angle
    for (const ResultEntry& e : ResultCatalogue()) {
      ASSERT_TRUE(Offered(*d, e)) << e.longName;
      for (bool rotating : {false, true}) {
        if (rotating && !HasRotatingFrame(e)) continue;
        const ResultXY held = ResultAt(d->table, e, row, rotating);
        for (int part = 0; part < (e.vector ? 2 : 1); ++part, ++c) {
          ASSERT_LT(c, header.size());
          EXPECT_TRUE(header[c].ends_with("(" + ResultUnit(*d, e) + ")")) << header[c];
          EXPECT_TRUE(header[c].starts_with(e.longName)) << header[c];
          const float shown = static_cast<float>(ShownResult(*d, e, part ? held.y : held.x));
          EXPECT_EQ(std::strtof(values[c].c_str(), nullptr), shown) << header[c];
        }
      }
    }
    EXPECT_EQ(c, header.size());

    // Piston position is a length: shown as the bore is on the screen and in the report.
    const ResultEntry& position = PlotFunction(1);
    EXPECT_EQ(ResultUnit(*d, position), d->UnitLabel[1]);
    EXPECT_EQ(ShownResult(*d, position, 1.0), DisplayFactor(Quantity::Length, system));
    InputBoxes boxes;
    InputScreenState state;
    InputDataLogic(*d, ui, boxes, state).Put_InputData();
    EXPECT_EQ(boxes.linkoutUnit[1], ResultUnit(*d, position));
    EXPECT_EQ(boxes.linkout[1], FNRoundStr(ShownResult(*d, position, d->Bore), d->LengthDigits));
    const std::string report = EngineSummaryReport(*d, ProgramValues{});
    EXPECT_NE(report.find("Bore = "), std::string::npos);
    EXPECT_NE(report.find(" " + ResultUnit(*d, position) + "  "), std::string::npos);
    if (system >= 4) {
      EXPECT_NE(report.find("Bore = " + FNRoundStr(static_cast<float>(ShownResult(*d, position, d->Bore)), 1)),
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
