// zorvan-cli torsional: the --modes --csv contract, the stations file read
// back, refused stations and options (exit 2, nothing written), the pictures
// and the dump's torsional figures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/cli_outcome.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

class CliTorsional : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-torsional-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string File(const std::string& name, const std::string& text) {
    std::ofstream((dir / name).string()) << text;
    return (dir / name).string();
  }
  fs::path dir;
};

TEST_F(CliTorsional, ModesCsvIsTheContract) {
  const std::string two = File("two.csv", "station,inertia,stiffness,damping\nEngine,211.4,9.775e6,\nLoad,8.3,,0\n");
  const Outcome r = Cli({"torsional", "--stations", two, "--modes", "--csv"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::istringstream lines(r.out);
  std::string header, rigid, first, none;
  std::getline(lines, header);
  std::getline(lines, rigid);
  std::getline(lines, first);
  EXPECT_EQ(header, "mode,frequency (Hz),Engine,Load");
  EXPECT_EQ(rigid, "0,0,1,1");
  EXPECT_TRUE(first.starts_with("1,176.07")) << first;
  EXPECT_FALSE(std::getline(lines, none));
  // Stations that name no throw: the natural frequencies only, and a note why.
  EXPECT_NE(r.err.find("No station is named \"Throw 1\""), std::string::npos);
}

TEST_F(CliTorsional, PrintedStationsReadBackAsTheDefaults) {
  const Outcome table = Cli({"torsional", "--csv", "--preset", "4"});
  ASSERT_EQ(table.code, 0) << table.err;
  EXPECT_TRUE(table.out.starts_with("station,inertia,stiffness,damping\nThrow 1,")) << table.out;
  const std::string file = File("six.shaft.csv", table.out);
  for (const char* view : {"--modes", "--campbell", "--response"}) {
    const Outcome own = Cli({"torsional", view, "--csv", "--preset", "4"});
    const Outcome entered = Cli({"torsional", "--stations", file, view, "--csv", "--preset", "4"});
    ASSERT_EQ(own.code, 0) << own.err;
    EXPECT_EQ(own.out, entered.out) << view;
  }
}

TEST_F(CliTorsional, RefusalsWriteNothing) {
  const std::string out = (dir / "out.csv").string();
  const std::pair<std::string, const char*> bad[] = {
      {"station,inertia,stiffness,damping\nA,0,5,\nB,1,,\n", "Row 1 (\"A\"): the inertia"},
      {"station,inertia,stiffness,damping\nA,1,,\nB,1,,\n", "Row 1 (\"A\"): the stiffness to the next station"},
      {"station,inertia,stiffness,damping\nA,1,0,\nB,1,,\n", "Row 1 (\"A\"): the stiffness to the next station"},
      {"station,inertia,stiffness,damping\nA,1,5,\nB,one,,\n", "Row 2 (\"B\"): the inertia must be a number above 0, not \"one\""},
      {"station,inertia,stiffness,damping\nA,1,5,-2\nB,1,,\n", "Row 1 (\"A\"): the damping"},
  };
  for (const auto& [text, sentence] : bad) {
    const Outcome r = Cli({"torsional", "--stations", File("bad.csv", text), "--modes", "--csv", "-o", out});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find(sentence), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(fs::exists(out));
  }
  for (std::vector<std::string> args : {std::vector<std::string>{"--stations", (dir / "none.csv").string()},
                                        {"--modes", "--campbell"}, {"-o", (dir / "p.png").string()},
                                        {"--zeta", "1"}, {"--campbell", "--csv", "-o", (dir / "p.svg").string()}}) {
    args.insert(args.begin(), "torsional");
    EXPECT_EQ(Cli(args).code, 2) << args[1];
  }
  EXPECT_FALSE(fs::exists(dir / "p.png") || fs::exists(dir / "p.svg"));
}

TEST_F(CliTorsional, PicturesAndTheDump) {
  for (const char* view : {"--modes", "--campbell", "--response"}) {
    const std::string svg = (dir / "t.svg").string();
    const Outcome r = Cli({"torsional", view, "-o", svg, "--size", "800x600", "--preset", "4"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::ifstream in(svg);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(all.find("<svg"), std::string::npos) << view;
    fs::remove(svg);
  }
  const Outcome dump = Cli({"dump", "--preset", "4"});
  ASSERT_EQ(dump.code, 0);
  Json json;
  ASSERT_TRUE(JsonReader(dump.out).Read(json));
  const Json& t = json["torsional"];
  EXPECT_EQ(t["NaturalFrequencies"].items.size(), 7u);  // six throws and the flywheel
  EXPECT_EQ(t["NaturalFrequencies"][0].number, 0);
  EXPECT_GE(t["PeakTorqueSection"].number, 1);
  EXPECT_GE(t["PeakTorqueSpeed"].number, 800);
  EXPECT_GT(t["PeakTwist"].number, 0);
}

}  // namespace
}  // namespace zorvan::cli
