// Pressure-trace files: the refusals with their line and column, the forms
// other tools write, the program's own form read back exactly, and the trace
// file beside the model file through Save and Open.
#include "files/pressure_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "core/design.h"
#include "core/presets.h"
#include "core/startup.h"
#include "files/model_file.h"
#include "tests/support/one_cylinder_fixture.h"

namespace zorvan {
namespace {

namespace fs = std::filesystem;
using testing::StartUpDesign;

// A header and `n` points every 720/n degrees from `from`, each line "angle,p,p..." from `row`.
std::string Points(const std::string& header, int n, double from = 0,
                   const std::function<std::string(double)>& row = {}) {
  std::string s = header.empty() ? "" : header + "\n";
  for (int k = 0; k < n; ++k) {
    const double a = from + 720.0 * k / n;
    s += row ? row(a) : std::to_string(a) + "," + std::to_string(a < 180 ? 20.0 : 0.5) + "\n";
  }
  return s;
}

PressureReading Read(const std::string& text, PressureReadOptions o = {}) { return ReadPressureText(text, "t.csv", o); }
PressureReadOptions Options(const std::string& unit, std::optional<bool> absolute, std::optional<double> crankcase,
                            double tdcOffset = 0) {
  PressureReadOptions o;
  o.unit = unit, o.absolute = absolute, o.crankcase = crankcase, o.tdcOffset = tdcOffset;
  return o;
}

TEST(PressureFile, EachBadInputIsOneMessageWithItsLineAndColumn) {
  const std::string good = Points("angle [deg],p [bar]", 72);
  const std::pair<std::string, std::string> cases[] = {
      {"angle,p [bar]\n0,1\n10,1.5x\n", "line 3, column 2: '1.5x' is not a number"},
      {"angle,p [bar]\n0,1\n10,1,5\n", "line 3, column 3: one column too many"},
      {"a;p [bar]\n0;1\n10;1,5\n", "line 3, column 2: '1,5' is not a number (the decimal separator is the point)"},
      {Points("angle,p [bar]", 72).replace(53, 0, "5,5\n"), "line 4, column 1: the angles do not increase: 5 follows 10"},
      {Points("angle,p [bar]", 30), "line 31, column 1: only 30 points; a trace needs at least 36"},
      {"angle,p [bar]\n0,-1.5\n", "line 2, column 2: -1.5 bar is below -1 bar gauge"},
      {"angle,p [kPa]\n0,1000001\n", "line 2, column 2: 1000001 kPa is above 10000 bar"},
      {"angle,p [atm]\n0,1\n", "line 1, column 2: unknown pressure unit 'atm'"},
      {"angle,p\n0,1\n", "line 1, column 2: no pressure unit"},
      {"angle\n0\n", "line 1, column 2: one column only"},
      {"angle [rad],p [bar]\n", "line 1, column 1: the angle unit 'rad' is not degrees"},
      {"angle,p1 [bar],p2 [psi]\n", "line 1, column 3: this column is in psi and column 2 in bar"},
      {"# compression ratio: 0.5\n" + good, "line 1, column 1: the compression ratio '0.5'"},
  };
  for (const auto& [text, message] : cases) {
    const PressureReading r = Read(text);
    EXPECT_EQ(r.trace, nullptr) << message;
    EXPECT_NE(r.fault.find("t.csv: " + message), std::string::npos) << r.fault << "\nnot: " << message;
    EXPECT_EQ(r.fault.find('\n'), std::string::npos) << r.fault;
  }
  EXPECT_NE(Read(good).trace, nullptr);
  EXPECT_NE(Read(good, Options("furlong", {}, {})).fault.find("not one of bar"), std::string::npos);
  // What only a design can judge: the cycle and the cylinders.
  auto d = StartUpDesign();
  MessageList told;
  ASSERT_TRUE(ApplyPreset(*d, 2, told));
  d->Pressure = Read(Points("angle,p [bar]", 40, 0, [](double a) {
                  return std::to_string(a / 2) + ",1\n";  // 0..351 degrees of a 720-degree cycle
                })).trace;
  EXPECT_NE(PressureFault(*d).value_or("").find("t.csv: line 41, column 1: the angles run from 0 to 351"),
            std::string::npos);
  d->Pressure = Read(Points("angle,p1 [bar],p2,p3", 72, 0, [](double a) { return std::to_string(a) + ",1,2,3\n"; }))
                    .trace;
  EXPECT_EQ(PressureFault(*d).value_or(""),
            "t.csv: line 1, column 5: the trace has 3 pressure columns and the design 4 cylinders: give one column "
            "for every cylinder or one column per cylinder");
}

TEST(PressureFile, FormsOfOtherToolsUnitsReferencesOffsetAndCycles) {
  // Semicolons, kPa absolute from the header, a comment, a byte-order mark, CR LF, -360..360.
  std::string text = "\xEF\xBB\xBF# from the bench\r\nCA [deg];p [kPa abs]\r\n" +
                     Points("", 72, -360, [](double a) { return std::to_string(a) + ";" + (a == 0 ? "301.325" : "101.325") + "\r\n"; });
  PressureReading r = Read(text);
  ASSERT_NE(r.trace, nullptr) << r.fault;
  EXPECT_EQ(r.unit, "kPa");
  EXPECT_TRUE(r.absolute);
  EXPECT_NEAR(r.trace->columns[0][36], 2, 1e-12);  // 0 degrees: 3.01325 bar absolute
  EXPECT_NEAR(r.trace->columns[0][0], 0, 1e-12);
  EXPECT_EQ(r.trace->FitFor(4).rows[0][0], r.trace->columns[0][36]);  // row 0 is the point at 0 degrees
  // Blanks, psi chosen, gauge chosen over the header, a crankcase pressure and an offset.
  text = "angle p1 (bar a) p2 (bar a)\n" + Points("", 72, 30, [](double a) { return std::to_string(a) + " 10 20\n"; });
  r = Read(text, Options("psi", false, {}, 30));
  ASSERT_NE(r.trace, nullptr) << r.fault;
  EXPECT_FALSE(r.absolute);
  EXPECT_EQ(r.trace->angles.front(), 0);
  EXPECT_NEAR(r.trace->columns[1][0], 20 * 6894.757 / 1e5, 1e-3);
  r = Read(text, Options("", {}, 0));
  ASSERT_NE(r.trace, nullptr) << r.fault;
  EXPECT_EQ(r.trace->columns[0][0], 10);
  // Two cycles averaged: 20 bar then 30 bar over the same stroke gives 25.
  text = "angle,p [bar]\n" + Points("", 144, 0, [](double a) {
           const double c = std::fmod(a * 2, 720);
           return std::to_string(a * 2) + "," + (c < 180 ? (a * 2 < 720 ? "20" : "30") : "0") + "\n";
         });
  r = Read(text);
  ASSERT_NE(r.trace, nullptr) << r.fault;
  EXPECT_EQ(r.trace->FitFor(4).cycles, 2);
  EXPECT_NEAR(r.trace->FitFor(4).rows[0][10], 25, 1e-12);
}

TEST(PressureFile, ProgramFormReadsBackExactly) {
  PressureTrace t;
  t.source = "bench run 7.csv";
  t.compressionRatio = 9.7;
  t.columns.resize(2);
  for (int k = 0; k < 100; ++k) {
    t.angles.push_back(-360 + k * 7.2 + 1e-9 * k);
    t.columns[0].push_back(0.1 * k / 3);
    t.columns[1].push_back(-0.999999 + std::sqrt(k));
  }
  const std::string text = PressureFileText(t);
  const PressureReading r = Read(text);
  ASSERT_NE(r.trace, nullptr) << r.fault;
  EXPECT_TRUE(*r.trace == t);
  EXPECT_EQ(PressureFileText(*r.trace), text);
  const PressureReading unnamed = Read("# source: \t\n" + text.substr(text.find("\nangle") + 1));
  ASSERT_NE(unnamed.trace, nullptr) << unnamed.fault;
  EXPECT_EQ(unnamed.trace->source, "t.csv");  // an empty source names nothing
  EXPECT_EQ(PressureFilePath("/d/v8.ZRV"), "/d/v8.pressure.csv");
  EXPECT_EQ(PressureFilePath("/d.x/v8"), "/d.x/v8.pressure.csv");
}

TEST(PressureFile, TheTraceTravelsWithTheModelFile) {
  const fs::path dir = fs::temp_directory_path() / ("zorvan-pressure-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string model = (dir / "v8.zrv").string(), beside = (dir / "v8.pressure.csv").string();
  auto d = StartUpDesign();
  ProgramValues v;
  MessageList told;
  d->Pressure = Read(Points("angle,p [bar]", 72)).trace;
  SaveModelFile(model, *d, v, told);
  ASSERT_TRUE(fs::exists(beside));
  auto opened = StartUpDesign();
  ASSERT_TRUE(OpenModelFile(model, *opened, v, told));
  ASSERT_NE(opened->Pressure, nullptr);
  EXPECT_TRUE(*opened->Pressure == *d->Pressure);
  // A bad trace beside the model stops the read, and the design stays as it was.
  { std::ofstream(beside) << "angle,p [bar]\n0,zz\n"; }
  told.Clear();
  auto before = opened->Pressure;
  EXPECT_FALSE(OpenModelFile(model, *opened, v, told));
  EXPECT_EQ(opened->Pressure, before);
  ASSERT_FALSE(told.Empty());
  EXPECT_NE(told.All().front().text.find("v8.pressure.csv: line 2, column 2"), std::string::npos);
  // Saved without a trace, the old trace file goes.
  d->Pressure.reset();
  SaveModelFile(model, *d, v, told);
  EXPECT_FALSE(fs::exists(beside));
  EXPECT_TRUE(OpenModelFile(model, *opened, v, told));
  EXPECT_EQ(opened->Pressure, nullptr);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace zorvan
