// The stations file: its text read back exactly, its bad lines named, and the
// pair of model and stations files saved and opened all or nothing.
#include "files/shaft_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/startup.h"
#include "files/model_file.h"

namespace zorvan {
namespace {

namespace fs = std::filesystem;

const ShaftTable kTable = {{"Damper, front", 0.0123456789012345, 2.5e6, 15.5},
                           {"Throw \"1\"", 1e-9, 1.0000000000000002, 0},
                           {"Flywheel", 211.4, 0, 0}};

TEST(ShaftFile, TextReadsBackExactly) {
  const std::string text = ShaftCsvText(kTable);
  EXPECT_TRUE(text.starts_with("station,inertia,stiffness,damping\n\"Damper, front\",0.0123456789012345,2500000,15.5\n"));
  EXPECT_NE(text.find("\n\"Throw \"\"1\"\"\",1e-09,1.0000000000000002,0\nFlywheel,211.4,,0\n"), std::string::npos);
  ShaftTable back;
  EXPECT_EQ(ReadShaftCsv(text, back), "");
  EXPECT_EQ(back, kTable);
  // CR LF, blank lines, an empty damping and a header in capitals read as well.
  EXPECT_EQ(ReadShaftCsv("Station, Inertia, Stiffness, Damping\r\n\r\nA,1,2,\r\nB,3,,\r\n", back), "");
  EXPECT_EQ(back, (ShaftTable{{"A", 1, 2, 0}, {"B", 3, 0, 0}}));
}

TEST(ShaftFile, BadLinesAreNamedAndChangeNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "The file is empty: its first line must be \"station,inertia,stiffness,damping\"."},
      {"name,j,k,c\nA,1,2,\n", "Line 1: the first line must be \"station,inertia,stiffness,damping\"."},
      {"station,inertia,stiffness,damping\nA,1,2\nB,1,,\n",
       "Line 2 (row 1): 4 fields are wanted (station,inertia,stiffness,damping), not 3."},
      {"station,inertia,stiffness,damping\n\"A,1,2,\nB,1,,\n", "Line 2 (row 1): a quote is not closed where the field ends."},
      {"station,inertia,stiffness,damping\nA,1,2,\n\nB,nan,,\n", "Row 2 (\"B\"): the inertia must be a number above 0, not \"nan\"."},
  };
  for (const auto& [text, sentence] : cases) {
    ShaftTable t = kTable;
    EXPECT_EQ(ReadShaftCsv(text, t), sentence);
    EXPECT_EQ(t, kTable);
  }
  EXPECT_EQ(ShaftFilePath("/d/design.zrv"), "/d/design.shaft.csv");
  EXPECT_EQ(ShaftFilePath("design"), "design.shaft.csv");
}

class ModelPair : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-shaft-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    Initialize(d, told);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  EngineDesignRecord d;
  ProgramValues v;
  MessageList told;
};

TEST_F(ModelPair, SaveAndOpenCarryTheEnteredShaft) {
  const std::string model = (dir / "e.zrv").string(), shaft = (dir / "e.shaft.csv").string();
  d.Shaft = kTable;
  WriteModelFiles(model, d, v);
  ASSERT_TRUE(fs::exists(shaft));
  EngineDesignRecord read;
  ASSERT_TRUE(OpenModelFile(model, read, v, told));
  EXPECT_EQ(read.Shaft, kTable);
  // Saved without an entered shaft, the old stations file goes: the pair reads back as saved.
  d.Shaft.reset();
  WriteModelFiles(model, d, v);
  EXPECT_FALSE(fs::exists(shaft));
  ASSERT_TRUE(OpenModelFile(model, read, v, told));
  EXPECT_FALSE(read.Shaft);
}

TEST_F(ModelPair, BadStationsFileKeepsTheDesign) {
  const std::string model = (dir / "e.zrv").string();
  d.NumCylinders = 6;
  d.Shaft = kTable;
  WriteModelFiles(model, d, v);
  std::ofstream(dir / "e.shaft.csv") << "station,inertia,stiffness,damping\nA,1,2,\nB,1,-3,\nC,1,,\n";
  EngineDesignRecord open;
  Initialize(open, told);
  told.Clear();
  v.FilePath = "before";
  EXPECT_FALSE(OpenModelFile(model, open, v, told));
  EXPECT_EQ(open.NumCylinders, 4);
  EXPECT_FALSE(open.Shaft);
  EXPECT_EQ(v.FilePath, "before");
  ASSERT_EQ(told.Size(), 1u);
  EXPECT_NE(told[0].text.find("Row 2 (\"B\"): the stiffness to the next station must be a number above 0"),
            std::string::npos);
}

}  // namespace
}  // namespace zorvan
