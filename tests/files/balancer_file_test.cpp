// The balance shafts beside a model file: read back exactly, bad rows
// refused whole, and saved or removed together with the model file.
#include "files/balancer_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/runtime_error.h"
#include "core/startup.h"
#include "tests/support/file_text.h"

namespace zorvan {
namespace {

namespace fs = std::filesystem;

std::string Repeated(const std::string& row, int n) {
  std::string s;
  for (int k = 0; k < n; ++k) s += row;
  return s;
}

const std::vector<BalanceShaft> kShafts = {{2, 1, 0.1, 1.0 / 3, -0.0625}, {2, -1, 1e-300, -180, 999.99999999999},
                                           {1, -1, 9999.5, 3599.9, 0}};

TEST(BalancerFile, ShaftsReadBackExactlyAndBadRowsAreRefusedWhole) {
  EXPECT_EQ(BalancerFilePath("/a/b/engine.ZRV"), "/a/b/engine.balancer.csv");
  EXPECT_EQ(BalancerFilePath("x.zrv.bak"), "x.zrv.bak.balancer.csv");
  std::vector<BalanceShaft> read;
  std::string error;
  ASSERT_TRUE(ParseBalancerText(BalancerFileText(kShafts), read, error)) << error;
  EXPECT_EQ(read, kShafts);
  const std::string header = "Order,Sense,Mass x radius (kg m),Phase (deg),Place (m)\n";
  for (const auto& [rows, why] : std::vector<std::pair<std::string, std::string>>{
           {"2,1,0.1,0\n", "row 1 (line 2): it has 4 fields"},
           {"2,1,0.1,0,0\n2,0,0.1,0,0\n", "row 2 (line 3): the sense must be"},
           {"2,1,abc,0,0\n", "the mass x radius 'abc' is not a number"},
           {"2,1,0.1,nan,0\n", "the phase 'nan' is not a number"},
           {"1.5,1,0.1,0,0\n", "the order must be 1 or 2"},
           {"2,1,-1,0,0\n", "the mass times radius must be"},
           {Repeated("2,1,1,0,0\n", 9),
            "more than 8 shafts"}}) {
    std::vector<BalanceShaft> kept = kShafts;
    EXPECT_FALSE(ParseBalancerText(header + rows, kept, error)) << rows;
    EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_EQ(kept, kShafts);
  }
  EXPECT_FALSE(ParseBalancerText("order,sense\n", read, error));
  EXPECT_TRUE(ParseBalancerText(header, read, error) && read.empty());
}

class BalancerOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-balancer-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_TRUE(Initialize(d, told));
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  EngineDesignRecord d;
  ProgramValues v;
  MessageList told;
};

TEST_F(BalancerOnDisk, SavedWithTheModelFileRemovedWithoutShaftsAndKeptWhenTheModelFails) {
  const std::string model = (dir / "e.zrv").string(), beside = (dir / "e.balancer.csv").string();
  std::vector<BalanceShaft> read;
  EXPECT_TRUE(ReadBalancerFile(model, read, told) && read.empty());  // no file, no shafts

  d.BalanceShafts = kShafts;
  SaveDesignFiles(model, d, v, told);
  ASSERT_TRUE(ReadBalancerFile(model, read, told));
  EXPECT_EQ(read, kShafts);

  { std::ofstream(beside, std::ios::app) << "2,1,x,0,0\r\n"; }
  std::vector<BalanceShaft> kept = {kShafts[0]};
  told.Clear();
  EXPECT_FALSE(ReadBalancerFile(model, kept, told));
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_NE(told.All()[0].text.find(beside), std::string::npos);
  EXPECT_EQ(kept.size(), 1u);

  // A model file that cannot be written puts the balancer file back as it was.
  const std::string before = testing::FileText(beside);
  fs::create_directories(dir / "d.zrv");
  { std::ofstream(dir / "d.balancer.csv") << "old"; }
  EXPECT_THROW(SaveDesignFiles((dir / "d.zrv").string(), d, v, told), RunTimeError);
  EXPECT_EQ(testing::FileText(dir / "d.balancer.csv"), "old");

  d.BalanceShafts.clear();
  SaveDesignFiles(model, d, v, told);
  EXPECT_FALSE(fs::exists(beside));
  EXPECT_NE(before, "");
}

}  // namespace
}  // namespace zorvan
