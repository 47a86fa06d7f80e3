// zorvan-cli save, report, notice and flywheel, and dump reading model files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/cli.h"
#include "tests/support/cli_outcome.h"

namespace zorvan::cli {
namespace {

namespace fs = std::filesystem;

class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-cli-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static int LineCount(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int n = 0;
    for (std::size_t at = all.find("\r\n"); at != std::string::npos; at = all.find("\r\n", at + 2)) ++n;
    return n;
  }
  fs::path dir;
};

TEST_F(CliFiles, SavedDesignsReadBackToTheSameResults) {
  Outcome saved = Cli({"save", Path("v8.zrv"), "--preset", "5", "--set", "VeeAngle=60"});
  ASSERT_EQ(saved.code, 0) << saved.err;
  EXPECT_EQ(saved.out, "");
  EXPECT_EQ(LineCount(Path("v8.zrv")), 126);
  EXPECT_EQ(Cli({"dump", Path("v8.zrv")}).out, Cli({"dump", "--preset", "5", "--set", "VeeAngle=60"}).out);
  Outcome fromFile = Cli({"report", Path("v8.zrv")});
  EXPECT_EQ(fromFile.code, 0);
  EXPECT_EQ(fromFile.out, Cli({"report", "--preset", "5", "--set", "VeeAngle=60"}).out);
  EXPECT_NE(fromFile.out.find("Vee Angle =  60\n"), std::string::npos);

  ASSERT_EQ(Cli({"save", Path("one.zrv"), "--set", "NumCylinders=1", "--set", "Arrangement=0"}).code, 0);
  EXPECT_EQ(LineCount(Path("one.zrv")), 105);
}

TEST_F(CliFiles, RefusedAndFailedFilesEndWithTheMessage) {
  std::ofstream(Path("other.zrv")) << "\"Some other program\"\r\n\"1.0\"\r\n";
  Outcome refused = Cli({"dump", Path("other.zrv")});
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(refused.err, "This data file is not compatible with this version of ZORVAN for Windows. \n"
                         "zorvan-cli: the model file '" + Path("other.zrv") + "' could not be read\n");

  ASSERT_EQ(Cli({"save", Path("cut.zrv")}).code, 0);
  fs::resize_file(Path("cut.zrv"), 300);
  Outcome cut = Cli({"report", Path("cut.zrv")});
  EXPECT_EQ(cut.code, 1);
  EXPECT_EQ(cut.out, "");
  EXPECT_EQ(cut.err.rfind("Error 62   (Input past end of file)  has occurred in Readfile\n", 0), 0u) << cut.err;

  Outcome nowhere = Cli({"save", Path("gone/x.zrv")});
  EXPECT_EQ(nowhere.code, 1);
  EXPECT_EQ(nowhere.err.rfind("Error 76   (Path not found)  has occurred in Save\n", 0), 0u) << nowhere.err;
  EXPECT_EQ(Cli({"save"}).code, 2);
  EXPECT_EQ(Cli({"save", "--preset", "2"}).code, 2);
}

// A model file outside the inputs' limits is judged as --set values are.
TEST_F(CliFiles, ModelFileOutsideTheLimitsIsRefused) {
  ASSERT_EQ(Cli({"save", Path("idle.zrv")}).code, 0);
  std::ifstream in(Path("idle.zrv"), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const std::size_t idle = text.find("\r\n800\r\n");
  ASSERT_NE(idle, std::string::npos);
  std::ofstream(Path("idle.zrv"), std::ios::binary) << text.insert(idle + 2, "-");
  Outcome r = Cli({"report", Path("idle.zrv")});
  EXPECT_EQ(r.code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "zorvan-cli: Idle RPM must be above 0.\n");
  EXPECT_EQ(Cli({"report", Path("idle.zrv"), "--set", "IdleRPM=700"}).code, 0);  // mended on the way
}

TEST(CliTexts, NoticesPrintOneNewlinePerLineBreak) {
  Outcome force = Cli({"notice", "force", "--preset", "2"});
  ASSERT_EQ(force.code, 0) << force.err;
  EXPECT_EQ(force.out.find('\r'), std::string::npos);
  EXPECT_NE(force.out.find("\n       Sum of Cos  2 Phi                            = 4.00\n\n"), std::string::npos);
  const std::string end = "then the inertia force will be non-zero.\n";
  EXPECT_EQ(force.out.substr(force.out.size() - end.size()), end);

  Outcome firing = Cli({"notice", "firing", "--preset", "5"});
  EXPECT_NE(firing.out.find("\n 5\t 2\t0.\t90.\t deg\n"), std::string::npos) << firing.out;
  EXPECT_NE(Cli({"notice", "guidelines", "--preset", "9"}).out.find("between 0 and 360.  deg."), std::string::npos);
  EXPECT_NE(Cli({"notice", "phase", "--set", "NumCylinders=7", "--set", "FiringOrder=1,2,3,4,5,6,7"})
                .out.find("either  51 or  103 degrees\n"),
            std::string::npos);
  for (const char* kind : {"moment", "torque", "mass", "spacing", "suggestions"}) {
    Outcome o = Cli({"notice", kind});
    EXPECT_EQ(o.code, 0) << kind << o.err;
    EXPECT_FALSE(o.out.empty()) << kind;
  }
  EXPECT_EQ(Cli({"notice", "colour"}).code, 2);
  EXPECT_EQ(Cli({"notice"}).code, 2);
}

TEST(CliTexts, FlywheelTakesItsCoefficient) {
  Outcome a = Cli({"flywheel", "--preset", "2", "--coef", "0.05"});
  ASSERT_EQ(a.code, 0) << a.err;
  EXPECT_NE(a.out.find("Crank Speed = 3,400.  rpm"), std::string::npos);
  EXPECT_NE(a.out.find(" Total displacement  = 100.   in^3  for   4 cylinders"), std::string::npos);
  EXPECT_EQ(Cli({"flywheel", "--coef", "lots"}).code, 2);
  EXPECT_EQ(Cli({"flywheel", "--coef"}).code, 2);
}

TEST(CliTexts, OrdersAsTextAndCsv) {
  Outcome text = Cli({"orders", "--preset", "2"});
  ASSERT_EQ(text.code, 0) << text.err;
  EXPECT_TRUE(text.out.starts_with(" ORDERS OF CRANK SPEED: TORQUE\n")) << text.out;
  EXPECT_NE(text.out.find("\n    2.0          0.00     -9,197.26      9,197.26    -90.0\n"), std::string::npos);
  Outcome csv = Cli({"orders", "--csv", "--of", "shaking", "--preset", "5"});
  EXPECT_TRUE(csv.out.starts_with("Order,Total Shaking Force X a (lb),Total Shaking Force X b (lb),")) << csv.out;
  EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 26);
  EXPECT_EQ(Cli({"orders", "--of", "speed"}).code, 2);
}

// A design that fails to build or calculate is never saved: the old file stays byte for byte.
TEST_F(CliFiles, FailedSaveLeavesTheOldFile) {
  ASSERT_EQ(Cli({"save", Path("keep.zrv"), "--preset", "2"}).code, 0);
  std::ifstream in(Path("keep.zrv"), std::ios::binary);
  const std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--preset", "6", "--set", "Arrangement=5"},
        {"--set", "Bore=nan", "--set", "NumCylinders=4"}, {"--set", "IdleRPM=40000"}}) {
    std::vector<std::string> args{"save", Path("keep.zrv")};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_NE(Cli(args).code, 0) << bad[1];  // refused (2) or failed (1)
    std::ifstream again(Path("keep.zrv"), std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()), before);
  }
  Outcome zero = Cli({"dump", "/dev/zero"});
  EXPECT_EQ(zero.code, 1);
  EXPECT_NE(zero.err.find("has occurred in Readfile"), std::string::npos);
}

TEST(CliArguments, UsageRangesFiringOrderAndCounterweight) {
  Outcome none = Cli({});
  EXPECT_EQ(none.code, 2);
  EXPECT_EQ(none.out, "");
  EXPECT_TRUE(none.err.starts_with("usage: zorvan-cli dump"));
  for (const char* huge : {"Bore=1e400", "Bore=1e-400"}) {
    Outcome r = Cli({"dump", "--set", huge});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("is out of range"), std::string::npos) << r.err;
  }
  // A firing order must name each cylinder once; anything else is refused before calculating.
  Outcome first = Cli({"notice", "firing", "--set", "FiringOrder=17"});
  EXPECT_EQ(first.code, 2);
  EXPECT_EQ(first.err, "zorvan-cli: FiringOrder: Place 1 of the firing order must be a cylinder from 1 to 16.\n");
  Outcome repeats = Cli({"dump", "--set", "FiringOrder=1,1,1,1"});
  EXPECT_EQ(repeats.code, 2);
  EXPECT_EQ(repeats.err, "zorvan-cli: The firing order must name each cylinder from 1 to 4 exactly once.\n");
  // A counterweight radius given on the command line is the one the engine is computed with.
  Outcome given = Cli({"dump", "--set", "CounterweightRadius=3"});
  EXPECT_NE(given.out.find("\"CounterweightRadius\":3,"), std::string::npos);
  EXPECT_NE(given.err.find("NOT now exactly balanced"), std::string::npos);
}

}  // namespace
}  // namespace zorvan::cli
