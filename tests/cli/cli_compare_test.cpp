// zorvan-cli compare, --balancer and --moments-about, and the balancer file
// beside a model file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/cli_outcome.h"
#include "core/crank_angle_table.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

Json Parsed(const std::string& text) {
  Json j;
  EXPECT_TRUE(JsonReader(text).Read(j)) << text.substr(0, 200);
  return j;
}

// The figures of a `compare --csv`: name -> {A, B, B - A}.
std::map<std::string, std::array<double, 3>> Figures(const std::string& csv) {
  std::map<std::string, std::array<double, 3>> figures;
  std::istringstream in(csv);
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    std::vector<std::string> f(1);
    bool quoted = false;
    for (char c : line) {
      if (c == '"') quoted = !quoted;
      else if (c == ',' && !quoted) f.emplace_back();
      else f.back() += c;
    }
    EXPECT_EQ(f.size(), 6u) << line;
    auto number = [](const std::string& s) { return s.empty() ? NAN : std::stod(s); };
    figures[f[0]] = {number(f[3]), number(f[4]), number(f[5])};
  }
  return figures;
}

// The largest magnitude of the engine's total X and Y in a dumped shaking table.
double Peak(const Json& table) {
  double largest = 0;
  for (int row = 0; row < kLastRow; ++row)
    largest = std::max(largest, std::hypot(table[row][ShakingColumn(0, kX, kTotal)].number,
                                           table[row][ShakingColumn(0, kY, kTotal)].number));
  return largest;
}

class CliCompare : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-compare-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  fs::path dir;
};

TEST_F(CliCompare, FiguresOfTwoFilesAreThoseOfTheirOwnDumps) {
  ASSERT_EQ(Cli({"save", Path("four.zrv"), "--preset", "2"}).code, 0);
  ASSERT_EQ(Cli({"save", Path("v8.zrv"), "--preset", "5"}).code, 0);
  EXPECT_FALSE(fs::exists(Path("four.balancer.csv")));  // no shafts, no file

  const Outcome self = Cli({"compare", Path("v8.zrv"), Path("v8.zrv"), "--csv"});
  ASSERT_EQ(self.code, 0) << self.err;
  for (const auto& [name, v] : Figures(self.out)) EXPECT_EQ(v[2], 0) << name;

  const Outcome both = Cli({"compare", Path("four.zrv"), Path("v8.zrv"), "--csv"});
  ASSERT_EQ(both.code, 0) << both.err;
  const auto figures = Figures(both.out);
  ASSERT_EQ(figures.size(), 16u);
  for (int k : {0, 1}) {
    const Json dump = Parsed(Cli({"dump", Path(k == 0 ? "four.zrv" : "v8.zrv")}).out);
    const Json& torque = dump["columns"]["TotalTorque"];
    double peak = torque[0].number;
    for (int row = 0; row < kLastRow; ++row) peak = std::max(peak, torque[row].number);
    auto near = [&](const char* name, double expected) {
      EXPECT_NEAR(figures.at(name)[k], expected, 1e-6 * std::fabs(expected) + 1e-9) << name << " of design " << k;
    };
    near("PeakTorque", peak);
    near("PeakTotalForce", Peak(dump["tables"]["ShakingForce"]));
    near("PeakTotalMoment", Peak(dump["tables"]["ShakingMoment"]));
    near("FlywheelEnergySwing", dump["flywheel"]["EnergySwing"].number);
    EXPECT_NEAR(figures.at("PeakTorque")[2], figures.at("PeakTorque")[1] - figures.at("PeakTorque")[0], 1e-6 * peak);
  }
  const Outcome text = Cli({"compare", Path("four.zrv"), Path("v8.zrv")});
  EXPECT_NE(text.out.find(" A  four.zrv\n B  v8.zrv\n"), std::string::npos) << text.out;
}

TEST_F(CliCompare, BadBalancerRowsOrAFileThatCannotBeReadEndWithTwoAndNothingWritten) {
  ASSERT_EQ(Cli({"save", Path("four.zrv"), "--balancer", "second", "--preset", "2"}).code, 0);
  std::ifstream saved(Path("four.balancer.csv"), std::ios::binary);
  const std::string rows((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(rows.starts_with("Order,Sense,Mass x radius (kg m),Phase (deg),Place (m)\r\n2,1,")) << rows;
  // Read back exactly: the dump of the file equals the one sized afresh.
  const Json dump = Parsed(Cli({"dump", Path("four.zrv")}).out);
  EXPECT_EQ(Cli({"dump", Path("four.zrv")}).out, Cli({"dump", "--balancer", "second", "--preset", "2"}).out);
  EXPECT_EQ(dump["balancer"]["shafts"].items.size(), 2u);
  EXPECT_EQ(dump["orders"]["MomentsAbout"].text, "centre");

  std::ofstream(Path("four.balancer.csv"), std::ios::binary) << rows << "3,1,0.1,0,0\r\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"dump", Path("four.zrv")}, {"orders", Path("four.zrv")},
        {"compare", Path("four.zrv"), Path("four.zrv")}, {"compare", Path("none.zrv"), Path("four.zrv")}}) {
    const Outcome bad = Cli(args);
    EXPECT_EQ(bad.code, 2) << args[0];
    EXPECT_EQ(bad.out, "") << args[0];
    const bool rows = args[1] != Path("none.zrv");
    EXPECT_EQ(bad.err.find("row 3 (line 4): the order must be 1 or 2") != std::string::npos, rows) << bad.err;
  }
  std::ofstream(Path("four.balancer.csv"), std::ios::binary) << rows;
  const Outcome second = Cli({"compare", Path("four.zrv"), Path("none.zrv")});
  EXPECT_TRUE(second.code == 2 && second.out.empty()) << second.err;
  EXPECT_NE(second.err.find("none.zrv"), std::string::npos) << second.err;
  EXPECT_EQ(Cli({"dump", "--balancer", "third"}).code, 2);
  EXPECT_EQ(Cli({"orders", "--moments-about", "middle"}).code, 2);
  EXPECT_EQ(Cli({"compare", Path("four.zrv")}).code, 2);
}

TEST(CliBalancer, OrdersAboutTheCentreAndWithTheShafts) {
  const Outcome centre = Cli({"orders", "--csv", "--of", "shaking", "--preset", "2"});
  EXPECT_NE(centre.out.find("Total Shaking Moment X about centre a ("), std::string::npos) << centre.out;
  const Outcome cyl1 = Cli({"orders", "--csv", "--of", "shaking", "--moments-about", "cylinder1", "--preset", "2"});
  EXPECT_NE(cyl1.out.find("Total Shaking Moment X about cylinder 1 a ("), std::string::npos);
  const Outcome cured = Cli({"orders", "--of", "shaking", "--balancer", "second", "--preset", "2"});
  ASSERT_EQ(cured.code, 0) << cured.err;
  EXPECT_NE(cured.out.find(" With the engine's balance shafts."), std::string::npos);
  EXPECT_NE(cured.out.find(" BALANCE SHAFTS"), std::string::npos);
  // The plot draws the shaking with the shafts and without them, the torque once.
  const std::string csv = (fs::temp_directory_path() / ("zorvan-shafts-" + std::to_string(::getpid()) + ".csv")).string();
  const std::string svg = csv + ".svg";
  ASSERT_EQ(Cli({"plot", "--type", "1", "--functions", "15:X,7:Mag", "-o", svg, "--csv", csv, "--balancer", "second",
                 "--preset", "2"}).code, 0);
  std::ifstream in(csv);
  std::string header, row0;
  std::getline(in, header);
  std::getline(in, row0);
  EXPECT_EQ(header, "Crank Angle (Deg),\"with shafts: F Shake All X (lb)\",\"without shafts: F Shake All X (lb)\","
                    "\"T Total Mag (lb-in)\"\r");
  EXPECT_TRUE(row0.starts_with("0,0,2971.9")) << row0;
  fs::remove(csv);
  fs::remove(svg);
  // The sweep's shaking figures say what they are read from.
  const Outcome sweep = Cli({"sweep", "--vary", "RedlineRPM=6000:6000:1", "--figures", "PeakSecondaryForce",
                             "--balancer", "second", "--preset", "2"});
  ASSERT_EQ(sweep.code, 0) << sweep.err;
  EXPECT_NE(sweep.out.find("PeakSecondaryForce with shafts"), std::string::npos) << sweep.out;
}

}  // namespace
}  // namespace zorvan::cli
