// zorvan-cli table and export: the data file's layout, the printout's pages,
// refusals, and the export's columns against the dump's.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/cli.h"
#include "core/display_units.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

struct Out {
  int code;
  std::string out, err;
};

Out Cli(std::vector<std::string> args) {
  std::ostringstream o, e;
  const int code = Run(args, o, e);
  return {code, o.str(), e.str()};
}

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Split(const std::string& text, const std::string& by) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(by, start)) != std::string::npos; start = end + by.size())
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

class CliTable : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-table-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string P(const char* name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(CliTable, DataFileToStandardOutputOrAFileAndThePrintout) {
  const Out shown = Cli({"table", "--format", "Torques - Gas, Inertia, Total, and Flywheel", "--step", "10",
                         "--decimals", "0", "--preset", "5"});
  ASSERT_EQ(shown.code, 0) << shown.err;
  const auto lines = Split(shown.out, "\r\n");
  ASSERT_EQ(lines.size(), 10u + 25u + 1u);  // the text ends with CR LF
  EXPECT_EQ(lines[0], "File \tEngine_1\t\tDesign #\t 1 ");
  EXPECT_EQ(lines[6], "Angle\tT Gas\tT Inertia\tT Total\tT Flywheel\t");
  EXPECT_EQ(lines[7], "Step\tMagnitude\tMagnitude\tMagnitude\tMagnitude\t");
  EXPECT_EQ(lines[11].substr(0, 4), "30.\t");

  const Out filed = Cli({"table", "--columns", "F Crank:X,9:Ang", "--coord", "local", "-o", P("v8.dat"),
                         "--preset", "5"});
  ASSERT_EQ(filed.code, 0) << filed.err;
  EXPECT_TRUE(filed.out.empty());
  const auto file = Split(Slurp(dir / "v8.dat"), "\r\n");
  EXPECT_EQ(file[0], "File \tv8\t\tDesign #\t 1 ");  // named after the data file
  EXPECT_EQ(file[8], "Deg\tlb\tlb\t\t\t");
  EXPECT_EQ(file.size(), 10u + 241u + 1u);

  ASSERT_EQ(Cli({"table", "--format", "Total Shaking Force - X, Y, Mag, Angle", "--printout", P("v8.pdf"),
                 "--preset", "5"}).code, 0);
  const std::string pdf = Slurp(dir / "v8.pdf");
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  std::size_t pages = 0;
  for (std::size_t at = 0; (at = pdf.find("/Type /Page\n", at)) != std::string::npos; ++at) ++pages;
  for (std::size_t at = 0; (at = pdf.find("/Type /Page\r", at)) != std::string::npos; ++at) ++pages;
  for (std::size_t at = 0; (at = pdf.find("/Type /Page/", at)) != std::string::npos; ++at) ++pages;
  for (std::size_t at = 0; (at = pdf.find("/Type /Page ", at)) != std::string::npos; ++at) ++pages;
  EXPECT_EQ(pages, 6u);  // five pages of 46 rows and one of 11
}

TEST_F(CliTable, RefusalsWriteNothing) {
  const std::vector<std::vector<std::string>> bad = {
      {"--columns", "20:Mag"},  // no list offers the unbalanced force
      {"--columns", "1:Mag,2:Mag,3:Mag,4:Mag,5:Mag"},
      {"--columns", "1:Mag", "--step", "4"},
      {"--columns", "1:Mag", "--decimals", "7"},
      {"--format", "Torques - Gas, Inertia, Total"},
      {"--columns", "9:Z"},
  };
  for (auto args : bad) {
    args.insert(args.begin(), "table");
    args.push_back("-o");
    args.push_back(P("x.dat"));
    const Out r = Cli(args);
    EXPECT_EQ(r.code, 2) << args[2];
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(fs::exists(dir / "x.dat"));
  }
}

// Each export column is the dump's column in the units the user sees.
TEST_F(CliTable, ExportColumnsAreTheDumpsInEveryUnitSystem) {
  for (int system = 1; system <= 5; ++system) {
    SCOPED_TRACE(system);
    const std::vector<std::string> design = {"--preset", "5", "--set", "UnitSystem=" + std::to_string(system)};
    std::vector<std::string> dumpArgs = {"dump"}, exportArgs = {"export", "-o", P("all.txt")};
    dumpArgs.insert(dumpArgs.end(), design.begin(), design.end());
    exportArgs.insert(exportArgs.end(), design.begin(), design.end());
    const Out dump = Cli(dumpArgs);
    ASSERT_EQ(Cli(exportArgs).code, 0);
    Json j;
    ASSERT_TRUE(JsonReader(dump.out).Read(j));
    const auto lines = Split(Slurp(dir / "all.txt"), "\r\n");
    ASSERT_EQ(lines.size(), 1u + 241u + 1u);
    const auto header = Split(lines[0], "\t");
    auto column = [&](const std::string& name) {
      for (std::size_t c = 0; c < header.size(); ++c)
        if (header[c].rfind(name + " (", 0) == 0) return c;
      ADD_FAILURE() << name;
      return std::size_t{0};
    };
    const double length = DisplayFactor(Quantity::Length, static_cast<int16_t>(system));
    struct Check {
      const char* name;
      std::function<double(int)> held;
      double factor;
    };
    const std::vector<Check> checks = {
        {"Crank Angle", [&](int r) { return j["columns"]["CrankAngle"][r].number; }, 1},
        {"Piston Position", [&](int r) { return j["columns"]["PistonPosition"][r].number; }, length},
        {"Total Torque", [&](int r) { return j["columns"]["TotalTorque"][r].number; }, 1},
        {"Flywheel-Smoothed Torque", [&](int r) { return j["columns"]["SmoothedTorque"][r].number; }, 1},
        {"Crankpin Force F32 X", [&](int r) { return j["tables"]["PinForceX"][r][1].number; }, 1},
        {"Mainpin Force F21 Rotating Y", [&](int r) { return j["tables"]["PinForceY"][r][9].number; }, 1},
        {"Total Shaking Force X", [&](int r) { return j["tables"]["ShakingForce"][r][28].number; }, 1},
        {"Total Shaking Moment Y", [&](int r) { return j["tables"]["ShakingMoment"][r][32].number; }, 1},
    };
    for (const Check& c : checks) {
      const std::size_t at = column(c.name);
      for (int row : {0, 17, 240}) {
        const auto cells = Split(lines[1 + row], "\t");
        EXPECT_EQ(std::strtof(cells.at(at).c_str(), nullptr), static_cast<float>(c.held(row) * c.factor))
            << c.name << " row " << row;
      }
    }
  }
}

}  // namespace
}  // namespace zorvan::cli
