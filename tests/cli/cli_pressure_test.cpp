// zorvan-cli with a pressure trace: the built-in curve written by `pressure`
// and read back gives the same dump, and a trace that cannot be taken stops
// every command with exit 2 before anything is written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/cli_outcome.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

// Single-precision units in the last place between two numbers.
long long Ulps(double a, double b) {
  const auto key = [](float f) {
    const auto i = std::bit_cast<int32_t>(f);
    return i < 0 ? -static_cast<long long>(i & 0x7fffffff) : static_cast<long long>(i);
  };
  return std::llabs(key(static_cast<float>(a)) - key(static_cast<float>(b)));
}

// The largest difference between the numbers the first dump holds and the second's.
long long LargestUlps(const Json& a, const Json& b) {
  if (a.kind != b.kind) return 1LL << 40;
  long long worst = a.kind == Json::Number && std::isfinite(a.number) ? Ulps(a.number, b.number) : 0;
  for (std::size_t k = 0; k < a.items.size(); ++k) worst = std::max(worst, LargestUlps(a.items[k], b.items[k]));
  for (const auto& [name, value] : a.members) worst = std::max(worst, LargestUlps(value, b.members.at(name)));
  return worst;
}

class CliPressure : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-cli-pressure-" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(CliPressure, BuiltInCurveReadBackGivesTheSameDump) {
  const std::string trace = (dir / "curve.csv").string();
  for (int k = 0; k <= 10; ++k) {
    const std::string preset = std::to_string(k);
    ASSERT_EQ(Cli({"pressure", "-o", trace, "--preset", preset}).code, 0) << k;
    const Outcome plain = Cli({"dump", "--preset", preset});
    const Outcome read = Cli({"dump", "--preset", preset, "--pressure", trace});
    ASSERT_EQ(read.code, 0) << read.err;
    Json a, b;
    ASSERT_TRUE(JsonReader(plain.out).Read(a) && JsonReader(read.out).Read(b)) << k;
    EXPECT_LE(LargestUlps(a, b), 4) << k;
    const std::string points = b["pressure"]["Points"].number == 120 ? "120" : "240";  // a two-stroke's 360 degrees
    EXPECT_EQ(a.members.count("pressure"), 0u);
    const Outcome report = Cli({"report", "--preset", preset, "--pressure", trace});
    EXPECT_EQ(report.out.find("Pressure: measured, curve.csv, " + points + " points"), 0u) << k;
  }
}

TEST_F(CliPressure, TraceThatCannotBeTakenWritesNothing) {
  const std::string bad = (dir / "bad.csv").string(), three = (dir / "three.csv").string();
  { std::ofstream(bad) << "angle,p [bar]\n0,1\n3,abc\n"; }
  {
    std::ofstream out(three);
    out << "angle,p1 [bar],p2,p3\n";
    for (int a = 0; a < 720; a += 5) out << a << ",1,2,3\n";
  }
  const std::string target = (dir / "out").string();
  const std::vector<std::vector<std::string>> commands = {
      {"dump"}, {"report"}, {"orders", "--csv"}, {"pressure", "-o", target},
      {"plot", "--power", "-o", target + ".svg"}, {"table", "--columns", "7:Mag", "-o", target},
      {"sweep", "--vary", "Bore=3:4:0.5", "-o", target}, {"save", target + ".zrv"}};
  for (std::vector<std::string> args : commands) {
    args.insert(args.end(), {"--preset", "2", "--pressure", bad});
    Outcome r = Cli(args);
    EXPECT_EQ(r.code, 2) << args[0];
    EXPECT_TRUE(r.out.empty()) << args[0];
    EXPECT_NE(r.err.find("bad.csv: line 3, column 2: 'abc' is not a number"), std::string::npos) << r.err;
    args.back() = three;  // three columns for four cylinders
    r = Cli(args);
    EXPECT_EQ(r.code, 2) << args[0];
    EXPECT_NE(r.err.find("three.csv: line 1, column 5: the trace has 3 pressure columns"), std::string::npos)
        << args[0] << ": " << r.err;
  }
  for (const auto& f : fs::directory_iterator(dir)) EXPECT_TRUE(f.path() == bad || f.path() == three) << f.path();
  // The p-V diagram: log-log only with a compression ratio.
  const std::string pv = (dir / "pv.svg").string();
  EXPECT_EQ(Cli({"plot", "--pv", "--log", "-o", pv}).code, 2);
  EXPECT_FALSE(fs::exists(pv));
  EXPECT_EQ(Cli({"plot", "--pv", "--log", "--compression-ratio", "10", "-o", pv}).code, 0);
  EXPECT_TRUE(fs::exists(pv));
  // The options belong to a trace, and the unit is one the reader knows.
  EXPECT_EQ(Cli({"dump", "--gauge"}).code, 2);
  EXPECT_EQ(Cli({"dump", "--pressure", bad, "--pressure-unit", "atm"}).code, 2);
  EXPECT_EQ(Cli({"dump", "--pressure", bad, "--gauge", "--absolute"}).code, 2);
}

}  // namespace
}  // namespace zorvan::cli
