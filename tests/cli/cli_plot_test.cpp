// zorvan-cli plot: pictures of every plot type, the numbers as CSV, refusals.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/cli/cli.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class CliPlot : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-plot-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  int Plot(std::vector<std::string> args) {
    args.insert(args.begin(), "plot");
    std::ostringstream o, e;
    const int code = zorvan::cli::Run(args, o, e);
    err = e.str();
    return code;
  }
  std::string P(const char* name) const { return (dir / name).string(); }
  fs::path dir;
  std::string err;
};

TEST_F(CliPlot, EveryTypeWritesPngSvgAndPdf) {
  const std::vector<std::vector<std::string>> kinds = {
      {"--type", "1", "--format", "Torques - Gas, Inertia, Total, and Friction"},
      {"--type", "2", "--functions", "15:Mag,F Main:Ang", "--style", "aligned"},
      {"--type", "3", "--format", "Crankpin Force - X, Y, Mag, Angle", "--coord", "local"},
  };
  for (const auto& kind : kinds) {
    for (const char* ext : {"png", "svg", "pdf"}) {
      std::vector<std::string> args = kind;
      const std::string out = P((std::string("p.") + ext).c_str());
      args.insert(args.end(), {"--preset", "5", "-o", out, "--size", "640x480"});
      ASSERT_EQ(Plot(args), 0) << err;
      const std::string bytes = Slurp(out);
      const std::string magic = ext == std::string("png") ? "\x89PNG" : ext == std::string("pdf") ? "%PDF" : "<?xml";
      EXPECT_EQ(bytes.substr(0, magic.size()), magic) << ext;
      if (ext == std::string("svg")) {
        EXPECT_NE(bytes.find("<svg"), std::string::npos);
      }
    }
  }
}

// The CSV's numbers are the dump's columns.
TEST_F(CliPlot, CsvNumbersAreTheDumpsColumns) {
  ASSERT_EQ(Plot({"--type", "2", "--functions", "T Total:Mag,Position:Mag", "--preset", "2", "--set", "UnitSystem=5",
                  "-o", P("t.png"), "--csv", P("t.csv")}),
            0)
      << err;
  std::ostringstream out, e;
  ASSERT_EQ(zorvan::cli::Run({"dump", "--preset", "2", "--set", "UnitSystem=5"}, out, e), 0);
  Json dump;
  ASSERT_TRUE(JsonReader(out.str()).Read(dump));
  std::istringstream csv(Slurp(P("t.csv")));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "Crank Angle (Deg),\"T Total Mag (N-m)\",\"Position Mag (mm)\"\r");
  for (int k = 0; std::getline(csv, line); ++k) {
    float angle, torque, position;
    ASSERT_EQ(std::sscanf(line.c_str(), "%f,%f,%f", &angle, &torque, &position), 3);
    EXPECT_EQ(torque, static_cast<float>(dump["columns"]["TotalTorque"][k].number));
    EXPECT_EQ(position, static_cast<float>(1000.0 * static_cast<float>(dump["columns"]["PistonPosition"][k].number)));
  }
}

TEST_F(CliPlot, RefusalsWriteNothing) {
  const std::vector<std::vector<std::string>> refused = {
      {"--type", "2", "--functions", "15:Mag", "-o", P("x.png")},                 // one function for two windows
      {"--type", "1", "--functions", "F Nothing:Mag", "-o", P("x.png")},          // no such function
      {"--type", "1", "--functions", "15:Size", "-o", P("x.png")},                // no such component
      {"--type", "1", "--functions", "15:Mag", "-o", P("x.gif")},                 // no such picture
      {"--type", "4", "--functions", "15:Mag", "-o", P("x.png")},                 // a polar plot has no component
      {"--type", "3", "--format", "Position and Velocity", "-o", P("x.png")},     // a two-slot format
      {"--type", "1", "--functions", "15:Mag", "--size", "5x5", "-o", P("x.png")},
  };
  for (const auto& args : refused) {
    EXPECT_EQ(Plot(args), 2) << args[3];
    EXPECT_FALSE(err.empty());
    EXPECT_FALSE(fs::exists(P("x.png")) || fs::exists(P("x.gif")));
  }
}

TEST_F(CliPlot, ChartsWritePngSvgAndPdf) {
  const std::vector<std::vector<std::string>> kinds = {
      {"--type", "4", "--functions", "F Main", "--coord", "local", "--mode", "both"},
      {"--power"},
      {"--phasors", "moment", "--order", "1"},
  };
  for (const auto& kind : kinds) {
    for (const char* ext : {"png", "svg", "pdf"}) {
      std::vector<std::string> args = kind;
      const std::string out = P((std::string("c.") + ext).c_str());
      args.insert(args.end(), {"--preset", "5", "-o", out, "--size", "640x480"});
      ASSERT_EQ(Plot(args), 0) << err;
      const std::string magic = ext == std::string("png") ? "\x89PNG" : ext == std::string("pdf") ? "%PDF" : "<?xml";
      EXPECT_EQ(Slurp(out).substr(0, magic.size()), magic) << kind[0] << ext;
    }
  }
  const std::vector<std::vector<std::string>> refused = {
      {"--type", "4", "--functions", "F Gas", "-o", P("x.png")},                // a scalar: no polar plot
      {"--type", "4", "--functions", "F Main", "--mode", "tips", "-o", P("x.png")},
      {"--phasors", "force", "--order", "3", "-o", P("x.png")},
      {"--power", "--type", "1", "-o", P("x.png")},
      {"--type", "1", "--functions", "15:Mag", "--mode", "both", "-o", P("x.png")},
  };
  for (const auto& args : refused) {
    EXPECT_EQ(Plot(args), 2) << args[1];
    EXPECT_FALSE(fs::exists(P("x.png")));
  }
}

// The phasors' resultants are the dump's harmonic sums, digit for digit.
TEST_F(CliPlot, PhasorResultantsAreTheDumpsSums) {
  std::ostringstream out, e;
  ASSERT_EQ(zorvan::cli::Run({"dump", "--preset", "5"}, out, e), 0);
  Json dump;
  ASSERT_TRUE(JsonReader(out.str()).Read(dump));
  const std::map<std::string, int> sets = {{"All Cylinders", 0}, {"Right Bank", 1}, {"Left Bank", 2}};
  for (int q = 0; q <= 1; ++q) {
    ASSERT_EQ(Plot({"--phasors", q ? "moment" : "force", "--preset", "5", "-o", P("h.png"), "--csv", P("h.csv")}), 0);
    std::istringstream csv(Slurp(P("h.csv")));
    std::string line;
    int resultants = 0;
    while (std::getline(csv, line)) {
      char set[32];
      int n, cylinder;
      double x, y;
      if (std::sscanf(line.c_str(), "%d,%31[^,],%d,%lf,%lf", &n, set, &cylinder, &x, &y) != 5 || cylinder) continue;
      const int b = sets.at(set);
      EXPECT_EQ(x, dump["HarmonicSums"][n][q][0][b].number) << line;
      EXPECT_EQ(y, dump["HarmonicSums"][n][q][1][b].number) << line;
      ++resultants;
    }
    EXPECT_EQ(resultants, 6);  // orders 1 and 2, three sets
  }
}

}  // namespace
}  // namespace zorvan::cli
