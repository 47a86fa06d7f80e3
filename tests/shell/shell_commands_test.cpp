#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "core/design.h"
#include "core/pressure_trace.h"
#include "tests/support/recording_platform.h"
#include "core/rod_load.h"
#include "shell/shell.h"
#include "shell/summary_report.h"

namespace zorvan {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("zorvan_shell_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    // Start-up registers the file association; keep it inside the test's folder.
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    facts.documentsFolder = (dir / "docs").string();
    facts.loginName = "ann";
    facts.applicationPath = "/opt/zorvan/";
  }
  void TearDown() override { fs::remove_all(dir); }

  void Start() {
    shell.StartUp(facts);
    shell.Activate();
    Forget();
  }
  void Forget() {
    p.messages.clear();
    p.dialogs.clear();
    s.shown.clear();
  }
  // A design with every result but the flywheel: an example engine.
  void Calculated() {
    shell.LoadExample(5);  // six cylinders inline
    ASSERT_TRUE(d.SingleResultsValid && d.EngineResultsValid);
    Forget();
  }
  std::string SavedModel(const std::string& name) {
    std::string path = (dir / name).string();
    p.paths.push_back(path);
    shell.SaveAs();
    EXPECT_TRUE(fs::exists(path));
    Forget();
    return path;
  }
  const RecordedMessage& Only() {
    EXPECT_EQ(p.messages.size(), 1u);
    static RecordedMessage none{};
    return p.messages.empty() ? none : p.messages.front();
  }

  fs::path dir;
  StartUpFacts facts;
  std::unique_ptr<EngineDesignRecord> owned = std::make_unique<EngineDesignRecord>();
  EngineDesignRecord& d = *owned;
  ProgramValues v;
  RecordingPlatform p;
  RecordingScreens s;
  Shell shell{d, v, p, p, s};
};

TEST_F(ShellTest, StartUpMakesTheDefaultFolderAndTheStartDesign) {
  Start();
  EXPECT_EQ(v.FilePath, (dir / "docs" / "ZORVAN").string() + "/");
  EXPECT_TRUE(fs::is_directory(v.FilePath));
  EXPECT_EQ(v.FileName, "Engine_1");
  EXPECT_EQ(v.DesignNumber, 1);
  EXPECT_EQ(v.LoginName, "ann");
  EXPECT_FALSE(v.UserName.empty());
  EXPECT_FALSE(v.SaveDate.empty());
  EXPECT_FALSE(v.StartingUp);
  EXPECT_FLOAT_EQ(d.Bore, 3);
  EXPECT_EQ(d.UnitSystem, 1);
  EXPECT_EQ(d.UnitLabel[1], "in");
  EXPECT_FALSE(d.SingleResultsValid);
}

TEST_F(ShellTest, FirstActivationTellsANonAdministratorWhereDesignsGo) {
  shell.isAdministrator = [](Ui&) { return false; };
  shell.StartUp(facts);
  EXPECT_TRUE(p.messages.empty());
  shell.Activate();
  EXPECT_EQ(Only().text, "Your default path for saved files is: " + v.FilePath);
  EXPECT_EQ(Only().icon, Icon::Information);
  EXPECT_EQ(Only().buttons, Buttons::Ok);
  shell.Activate();  // only the first time
  EXPECT_EQ(p.messages.size(), 1u);
}

TEST_F(ShellTest, StartUpOpensTheFileOnTheCommandLine) {
  Start();
  Calculated();
  shell.PickUnits(3);  // a metric design keeps its units when opened at start-up
  shell.LoadExample(6);
  std::string path = SavedModel("vee_eight.zrv");

  auto d2 = std::make_unique<EngineDesignRecord>();
  ProgramValues v2;
  RecordingPlatform p2;
  Shell second{*d2, v2, p2, p2, s};
  facts.commandLine = path;
  second.StartUp(facts);
  EXPECT_EQ(d2->NumCylinders, 8);
  EXPECT_EQ(d2->UnitSystem, 3);
  EXPECT_EQ(d2->UnitLabel[1], "m");
  EXPECT_EQ(v2.FileName, "vee_eight");
  EXPECT_EQ(v2.FilePath, path);
  EXPECT_TRUE(d2->SingleResultsValid);  // the results of the file's design, not of the old one
  EXPECT_TRUE(p2.messages.empty());      // no "successfully read" while starting up
}

TEST_F(ShellTest, StartUpWithAMissingFileReportsIt) {
  facts.commandLine = (dir / "nothing.zrv").string();
  shell.StartUp(facts);
  EXPECT_EQ(Only().text, "The model file \"" + facts.commandLine + "\" was not found.");
  EXPECT_EQ(Only().icon, Icon::Warning);
  EXPECT_FLOAT_EQ(d.Bore, 3);
  EXPECT_EQ(v.FileName, "Engine_1");
}

TEST_F(ShellTest, NewWithUnsavedResultsOffersToSaveOnce) {
  Start();
  Calculated();
  p.answers = {Answer::Yes, Answer::Ok};  // save first; then confirm the reset
  p.paths.push_back((dir / "kept.zrv").string());
  shell.New();
  ASSERT_GE(p.messages.size(), 3u);
  EXPECT_EQ(p.messages[0].text,
            "The current data has not been saved.  Do you want to save it before resetting?");
  EXPECT_EQ(p.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(p.SaveDialogCount(), 1);
  EXPECT_EQ(p.OpenDialogCount(), 0);
  EXPECT_TRUE(fs::exists(dir / "kept.zrv"));
  EXPECT_EQ(p.messages[1].text, "The file was successfully written to \r\n" + (dir / "kept.zrv").string());
  EXPECT_EQ(p.messages[2].text, "Please confirm your order to reset all variables to initial values");
  EXPECT_EQ(p.messages[2].buttons, Buttons::OkCancel);
  EXPECT_EQ(p.messages[2].icon, Icon::Information);
  EXPECT_FALSE(d.SingleResultsValid || d.EngineResultsValid || d.BalanceResultsValid);
  EXPECT_FALSE(v.DesignSaved);
  EXPECT_EQ(d.NumCylinders, 4);
  EXPECT_EQ(v.FileName, "kept");  // New keeps the file name
}

TEST_F(ShellTest, NewAnsweredNoThenCancelChangesNothing) {
  Start();
  Calculated();
  p.answers = {Answer::No, Answer::Cancel};
  shell.New();
  EXPECT_EQ(p.messages.size(), 2u);
  EXPECT_TRUE(p.dialogs.empty());
  EXPECT_TRUE(d.EngineResultsValid);
  EXPECT_EQ(d.NumCylinders, 6);
}

TEST_F(ShellTest, OpenReadsAGoodFileAndThenSaveAsksForAName) {
  Start();
  Calculated();
  shell.LoadExample(6);
  std::string path = SavedModel("vee_eight.zrv");
  shell.LoadExample(1);
  ASSERT_EQ(d.NumCylinders, 4);
  Forget();

  p.answers = {Answer::No};  // the example is unsaved: don't save it
  p.paths.push_back(path);
  shell.Open();
  ASSERT_EQ(p.OpenDialogCount(), 1);
  const FileDialogRequest& request = p.dialogs[0].request;
  EXPECT_EQ(request.title, "Open a model");
  EXPECT_EQ(request.filter, "ZORVAN for Windows (*.zrv)|*.zrv |  All (*.*)|*.*|");
  EXPECT_EQ(request.initialName, "*.zrv");
  EXPECT_EQ(d.NumCylinders, 8);
  EXPECT_EQ(v.FilePath, path);
  EXPECT_EQ(v.FileName, "vee_eight");
  EXPECT_FALSE(v.DesignSaved);
  EXPECT_TRUE(d.FromDiskFile && d.LoadedFromFile);
  EXPECT_EQ(p.messages.back().text, "File " + path + " successfully read.");
  EXPECT_EQ(shell.State().source, "DiskFile");
  EXPECT_EQ(p.pointer, Pointer::Normal);

  Forget();
  p.paths.push_back((dir / "copy.zrv").string());
  shell.Save();
  ASSERT_EQ(p.SaveDialogCount(), 1);
  EXPECT_EQ(p.dialogs[0].request.title, "Save the Model");
  EXPECT_EQ(p.dialogs[0].request.filter, "(*.zrv)|*.zrv");
  EXPECT_EQ(p.dialogs[0].request.initialName, "vee_eight.zrv");
  EXPECT_TRUE(p.dialogs[0].request.askBeforeReplacing);
}

TEST_F(ShellTest, OpenRefusesAFileOfAnotherProgram) {
  Start();
  Calculated();
  std::string before = v.FilePath;
  fs::path other = dir / "other.zrv";
  std::ofstream(other, std::ios::binary) << "\"zorvan for windows\"\r\n\"9.0\"\r\n";
  p.answers = {Answer::No};
  p.paths.push_back(other.string());
  shell.Open();
  ASSERT_EQ(p.messages.size(), 2u);
  EXPECT_EQ(p.messages[1].text, "This data file is not compatible with this version of ZORVAN for Windows. ");
  EXPECT_EQ(p.messages[1].icon, Icon::Question);
  EXPECT_EQ(d.NumCylinders, 6);
  EXPECT_TRUE(d.EngineResultsValid);
  EXPECT_EQ(v.FilePath, before);
  EXPECT_EQ(v.FileName, "Engine_1");
  EXPECT_EQ(p.pointer, Pointer::Normal);
}

TEST_F(ShellTest, CancelledOpenIsSilentAndChangesNothing) {
  Start();
  std::string before = v.FilePath;
  shell.Open();  // no scripted path: Cancel
  EXPECT_EQ(p.OpenDialogCount(), 1);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_EQ(v.FilePath, before);
  EXPECT_FLOAT_EQ(d.Bore, 3);
}

TEST_F(ShellTest, SaveAsWritesAndMarksSavedThenSaveWritesWithoutAsking) {
  Start();
  Calculated();
  fs::path path = dir / "inline.zrv";
  p.paths.push_back(path.string());
  std::string folder = v.FilePath;  // the default folder
  shell.SaveAs();
  EXPECT_EQ(p.SaveDialogCount(), 1);
  EXPECT_EQ(p.dialogs[0].request.initialName, "Engine_1.zrv");
  EXPECT_EQ(p.dialogs[0].request.folder, folder);
  EXPECT_TRUE(v.DesignSaved);
  EXPECT_EQ(v.FileName, "inline");
  EXPECT_EQ(v.FilePath, path.string());
  EXPECT_EQ(Only().text, "The file was successfully written to \r\n" + path.string());
  EXPECT_EQ(Only().icon, Icon::Information);
  EXPECT_TRUE(shell.State().indicator[4]);
  EXPECT_EQ(ReadAll(path).rfind("\"ZORVAN for Windows\"\r\n\"9.0\"\r\n", 0), 0u);

  Forget();
  shell.Save();
  EXPECT_TRUE(p.dialogs.empty());
  EXPECT_EQ(Only().text, "The file was successfully written to \r\n" + path.string());

  // A name typed without extension gets the model file's.
  Forget();
  p.paths.push_back((dir / "plain").string());
  shell.SaveAs();
  EXPECT_TRUE(fs::exists(dir / "plain.zrv"));
  EXPECT_EQ(v.FileName, "plain");
}

TEST_F(ShellTest, FailedSaveIsReportedAndKeepsTheFileAndFlag) {
  Start();
  Calculated();
  std::string before = v.FilePath;
  p.paths.push_back((dir / "missing_folder" / "x.zrv").string());
  shell.SaveAs();
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_NE(p.messages[0].text.find("has occurred in frm_Homescreen.SaveAs"), std::string::npos);
  EXPECT_FALSE(v.DesignSaved);
  EXPECT_EQ(v.FilePath, before);
  EXPECT_EQ(p.pointer, Pointer::Normal);
}

TEST_F(ShellTest, QuitSavesUnsavedResultsBeforeTheQuestion) {
  Start();
  shell.Quit();  // no results: straight to the quit screen
  EXPECT_TRUE(p.dialogs.empty());
  ASSERT_EQ(s.shown.size(), 1u);
  EXPECT_EQ(s.shown[0], std::make_pair(ScreenId::Quit, Modality::Modal));

  Calculated();
  p.paths.push_back((dir / "last.zrv").string());
  shell.Quit();
  EXPECT_EQ(p.SaveDialogCount(), 1);
  EXPECT_TRUE(fs::exists(dir / "last.zrv"));
  ASSERT_EQ(s.shown.size(), 1u);
  EXPECT_EQ(s.shown[0].first, ScreenId::Quit);

  // Cancelling the save dialog still leads to the question.
  shell.LoadExample(2);
  Forget();
  shell.Quit();
  EXPECT_EQ(p.SaveDialogCount(), 1);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_EQ(s.shown.size(), 1u);
  EXPECT_FALSE(s.ended);
  shell.YesQuit();
  EXPECT_TRUE(s.ended);
}

TEST_F(ShellTest, EachUnitSystemConvertsAndAsksForANewCalculation) {
  Start();
  Calculated();
  s.available.insert(ScreenId::Input);
  const char* const lengths[] = {"in", "ft", "m", "cm", "mm"};
  for (int u : {2, 3, 4, 5, 1}) {
    Forget();
    d.SingleResultsValid = true;
    v.DesignSaved = true;
    shell.PickUnits(u);
    SCOPED_TRACE(u);
    EXPECT_EQ(d.UnitSystem, u);
    EXPECT_EQ(d.UnitLabel[1], lengths[u - 1]);
    EXPECT_FALSE(d.SingleResultsValid);
    EXPECT_FALSE(v.DesignSaved);
    EXPECT_EQ(shell.State().unitSystem, u);
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0], std::make_pair(ScreenId::Input, Modality::Modal));
    EXPECT_TRUE(p.messages.empty());
  }
  EXPECT_EQ(d.Bore, 3.0f);  // back to inches exactly: each switch converts from where the run began
  // Metres in systems 3, 4 and 5 alike.
  shell.PickUnits(4);
  EXPECT_NEAR(d.Bore, 0.0762, 1e-6);
  shell.PickUnits(5);
  EXPECT_NEAR(d.Bore, 0.0762, 1e-6);
  // The same system again changes nothing.
  d.SingleResultsValid = true;
  Forget();
  shell.PickUnits(5);
  EXPECT_TRUE(d.SingleResultsValid);
  EXPECT_TRUE(s.shown.empty());
}

TEST_F(ShellTest, ExamplesAssembleANewUnsavedDesign) {
  Start();
  p.paths.push_back((dir / "unused.zrv").string());
  shell.SaveAs();  // nothing to save yet: no dialog
  EXPECT_TRUE(p.dialogs.empty());
  p.paths.clear();
  shell.LoadExample(6);
  EXPECT_EQ(d.NumCylinders, 8);
  EXPECT_EQ(d.Arrangement, 2);
  EXPECT_TRUE(d.SingleResultsValid && d.EngineResultsValid && d.BalanceResultsValid);
  HomeState st = shell.State();
  for (int i = 0; i <= 5; ++i) EXPECT_TRUE(st.chart[i]) << i;
  EXPECT_FALSE(st.chart[6]);  // no power chart screen yet
  EXPECT_TRUE(s.shown.empty());  // nor an assembly screen

  // Saved, then another example: the new design is not the saved one.
  p.paths.push_back((dir / "v8.zrv").string());
  shell.SaveAs();
  ASSERT_TRUE(v.DesignSaved);
  s.available.insert(ScreenId::Assemble);
  shell.LoadExample(7);
  EXPECT_EQ(d.NumCylinders, 12);
  EXPECT_FALSE(v.DesignSaved);
  EXPECT_FALSE(d.LoadedFromFile || d.FromDiskFile);
  ASSERT_EQ(s.shown.size(), 1u);
  EXPECT_EQ(s.shown[0].first, ScreenId::Assemble);
  EXPECT_EQ(shell.HomeExample(), 7);
}

TEST_F(ShellTest, ChartsShowTheReportsInTheFixedWidthBox) {
  Start();
  shell.ShowChart(0);  // no results: disabled
  EXPECT_TRUE(p.messages.empty());
  Calculated();
  for (int i = 0; i <= 5; ++i) shell.ShowChart(i);
  shell.ShowChart(kChartRodLoad);
  ASSERT_EQ(p.fixedWidth.size(), 7u);
  EXPECT_EQ(p.fixedWidth[0], EngineSummaryReport(d, v));
  EXPECT_EQ(p.fixedWidth[6], RodLoadText(d, RodLoadOf(d)));
  for (const auto& m : p.messages) {
    EXPECT_EQ(m.icon, Icon::Information);
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_FALSE(m.text.empty());
  }
  s.available.insert(ScreenId::PowerChart);
  shell.ShowChart(6);
  ASSERT_EQ(s.shown.size(), 1u);
  EXPECT_EQ(s.shown[0], std::make_pair(ScreenId::PowerChart, Modality::Modeless));
}

TEST_F(ShellTest, UserMenuMessages) {
  Start();
  shell.ShowUserName();
  shell.ShowFilePath();
  shell.ShowApplicationPath();
  ASSERT_EQ(p.messages.size(), 3u);
  EXPECT_EQ(p.messages[0].text, "User Name is ann");
  EXPECT_EQ(p.messages[1].text, "Path for saved files is " + v.FilePath);
  EXPECT_EQ(p.messages[2].text, "The application path is /opt/zorvan/");
  for (const auto& m : p.messages) {
    EXPECT_EQ(m.icon, Icon::Information);
    EXPECT_EQ(m.buttons, Buttons::Ok);
  }
}

TEST_F(ShellTest, UserScreenEntries) {
  Start();
  std::string user = v.UserName;
  EXPECT_FALSE(shell.AcceptUser("", "5"));
  EXPECT_EQ(v.UserName, user);
  EXPECT_EQ(v.DesignNumber, 1);

  EXPECT_TRUE(shell.AcceptUser("Project X", " 12.5"));  // rounds half to even
  EXPECT_EQ(v.UserName, "Project X");
  EXPECT_EQ(v.DesignNumber, 12);
  EXPECT_TRUE(shell.AcceptUser("Project X", "7b"));
  EXPECT_EQ(v.DesignNumber, 7);
  EXPECT_TRUE(shell.AcceptUser("Project X", "none"));
  EXPECT_EQ(v.DesignNumber, 0);
  EXPECT_TRUE(p.messages.empty());

  EXPECT_FALSE(shell.AcceptUser("Other", "40000"));  // beyond the int16 range
  EXPECT_EQ(Only().text, "Error 6   (Overflow)  has occurred in frm_User.Done\r\n\r\n");
  EXPECT_EQ(v.UserName, "Project X");
  EXPECT_EQ(v.DesignNumber, 0);

  shell.SetFileName("bigv8");
  EXPECT_EQ(v.FileName, "bigv8");
  shell.SetFileName("");
  EXPECT_EQ(v.FileName, "bigv8");
}

TEST_F(ShellTest, ExportWritesEveryResultColumn) {
  Start();
  shell.ExportSpreadsheet();
  EXPECT_EQ(Only().text, "The current model is blank: there are no results to export.  Calculate a design first.");
  EXPECT_EQ(Only().icon, Icon::Information);
  EXPECT_TRUE(p.dialogs.empty());

  Calculated();
  std::string model = SavedModel("engine.zrv");
  fs::path out = dir / "engine_data.txt";
  p.paths.push_back(out.string());
  shell.ExportSpreadsheet();
  ASSERT_EQ(p.SaveDialogCount(), 1);
  EXPECT_EQ(p.dialogs[0].request.title, "Export All Data to a Text File");
  EXPECT_EQ(p.dialogs[0].request.filter, "(*.txt)|*.txt");
  EXPECT_EQ(p.dialogs[0].request.initialName, "engine.txt");
  EXPECT_TRUE(p.dialogs[0].request.askBeforeReplacing);
  EXPECT_EQ(Only().text, "The results were exported to \r\n" + out.string());
  EXPECT_EQ(v.FilePath, model);  // a later Save still writes the model file

  std::istringstream text(ReadAll(out));
  std::string line;
  std::getline(text, line);
  ASSERT_FALSE(line.empty());
  EXPECT_EQ(line.back(), '\r');
  int columns = 1 + static_cast<int>(std::count(line.begin(), line.end(), '\t'));
  EXPECT_EQ(line.rfind("Crank Angle (deg)\tPiston Position (in)\t", 0), 0u);
  EXPECT_NE(line.find("Total Shaking Moment Y (lb-in)"), std::string::npos);
  EXPECT_EQ(line.find("Flywheel"), std::string::npos);  // not sized yet
  int rows = 0;
  std::string last;
  while (std::getline(text, line)) {
    ++rows;
    EXPECT_EQ(1 + std::count(line.begin(), line.end(), '\t'), columns);
    last = line;
  }
  EXPECT_EQ(rows, 241);
  EXPECT_EQ(last.rfind("720\t", 0), 0u);
  std::istringstream row(last);
  std::string angle, position;
  std::getline(row, angle, '\t');
  std::getline(row, position, '\t');
  EXPECT_NEAR(std::stod(position), d.table.PistonPosition[240], 1e-4);

  // Cancel writes nothing and says nothing.
  Forget();
  shell.ExportSpreadsheet();
  EXPECT_TRUE(p.messages.empty());
}

}  // namespace
}  // namespace zorvan

namespace zorvan {
namespace {

// Import Pressure: a bad file is named and changes nothing; a good one is
// previewed, taken only when the user agrees, and given up again.
TEST_F(ShellTest, ImportPressurePreviewsAndChangesNothingOnABadFile) {
  Start();
  Calculated();
  const float before = d.table.GasTorque[10];
  const fs::path bad = dir / "bad.csv", good = dir / "good.csv";
  { std::ofstream(bad) << "angle,p [bar]\n0,1\n3,1.2.3\n"; }
  {
    std::ofstream out(good);
    out << "CA [deg];p [kPa abs]\n";
    for (int a = 0; a < 720; a += 2) out << a << ";" << (a < 180 ? "2101.325" : "101.325") << "\n";
  }
  p.paths.push_back(bad.string());
  shell.ImportPressure();
  EXPECT_EQ(Only().text, "bad.csv: line 3, column 2: '1.2.3' is not a number");
  EXPECT_EQ(Only().icon, Icon::Warning);
  EXPECT_EQ(d.Pressure, nullptr);
  Forget();
  p.paths.push_back(good.string());
  p.answers.push_back(Answer::Cancel);
  shell.ImportPressure();
  EXPECT_NE(Only().text.find("Pressure unit: kPa (from the header), absolute"), std::string::npos) << Only().text;
  EXPECT_EQ(d.Pressure, nullptr);
  Forget();
  p.paths.push_back(good.string());
  shell.ImportPressure();
  ASSERT_NE(d.Pressure, nullptr);
  EXPECT_NEAR(d.Pressure->columns[0][0], 20, 1e-9);
  EXPECT_NE(d.table.GasTorque[10], before);
  EXPECT_TRUE(d.EngineResultsValid);
  shell.UseBuiltInPressure();
  EXPECT_EQ(d.Pressure, nullptr);
  EXPECT_EQ(d.table.GasTorque[10], before);
}

}  // namespace
}  // namespace zorvan
