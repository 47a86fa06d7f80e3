#include <gtest/gtest.h>

#include <functional>

#include "core/captions.h"
#include "core/file_names.h"
#include "shell/home_state.h"

namespace zorvan {
namespace {

TEST(StripFilename, NameWithoutFolderAndExtension) {
  EXPECT_EQ(StripFilename("C:\\data\\vee_eight.zrv"), "vee_eight");
  EXPECT_EQ(StripFilename("vee_eight.zrv"), "vee_eight");
  EXPECT_EQ(StripFilename("/home/ann/designs/vee_eight.zrv"), "vee_eight");
  EXPECT_EQ(StripFilename("/home/ann/my.designs/v8.dat"), "v8");
  EXPECT_EQ(StripFilename("C:\\data\\model"), "");  // no three-letter extension
  EXPECT_EQ(StripFilename("model.zr"), "");
  EXPECT_EQ(StripFilename(".zrv"), "");
  EXPECT_EQ(StripFilename("zrv"), "");
  EXPECT_EQ(StripFilename(""), "");
}

TEST(FileNames, DefaultFolderDialogFolderAndExtension) {
  // The first seven characters of the title are "ZORVAN "; the blank is dropped.
  EXPECT_EQ(DefaultSaveFolder("/home/ann/Documents", "ZORVAN for Windows"), "/home/ann/Documents/ZORVAN/");
  EXPECT_EQ(DefaultSaveFolder("/home/ann/Documents/", "ZORVAN for Windows"), "/home/ann/Documents/ZORVAN/");
  EXPECT_EQ(DialogFolder("/home/ann/Documents/ZORVAN/"), "/home/ann/Documents/ZORVAN/");
  EXPECT_EQ(DialogFolder("/home/ann/v8.zrv"), "/home/ann/");
  EXPECT_EQ(DialogFolder("v8.zrv"), "");
  EXPECT_EQ(WithExtension("/home/ann/v8", ".zrv"), "/home/ann/v8.zrv");
  EXPECT_EQ(WithExtension("/home/ann/v8.zrv", ".zrv"), "/home/ann/v8.zrv");
  EXPECT_EQ(WithExtension("/home/a.b/v8", ".txt"), "/home/a.b/v8.txt");
}

TEST(Captions, TitleboxAndScreenCaption) {
  ProgramValues v;
  v.UserName = "Ann Lee";
  v.DesignNumber = 12;
  v.SaveDate = "12/07/2026";
  v.SaveTime = "21:12:00";
  EXPECT_EQ(TitleboxText(v), "Ann Lee\r Design No. 12\r\n12/07/2026\r at 21:12:00");
  v.FilePath = "/home/ann/v8.zrv";
  v.FileName = "v8";
  EXPECT_EQ(TitleboxText(v), "Ann Lee\r Design No. 12\r\n12/07/2026\r at 21:12:00\r File: v8");
  EXPECT_EQ(ScreenCaption(v, "Flywheel Data"),
            "ZORVAN -    Release 9.0   Rev 2.2   11/30/08                    Flywheel Data");
  EXPECT_EQ(TodayText().size(), 10u);
  EXPECT_EQ(NowText().size(), 8u);
}

struct Flags {
  bool single, balance, engine, flywheel, saved, disk, startingUp;
};

HomeState StateOf(const Flags& f, bool allScreens = true) {
  EngineDesignRecord d;
  ProgramValues v;
  d.SingleResultsValid = f.single;
  d.BalanceResultsValid = f.balance;
  d.EngineResultsValid = f.engine;
  d.FlywheelResultsValid = f.flywheel;
  d.FromDiskFile = f.disk;
  v.DesignSaved = f.saved;
  v.StartingUp = f.startingUp;
  return ComputeHomeState(d, v, [allScreens](ScreenId) { return allScreens; });
}

TEST(HomeState, MenusFollowTheResults) {
  for (bool single : {false, true})
    for (bool engine : {false, true}) {
      HomeState s = StateOf({single, false, engine, false, false, false, false});
      SCOPED_TRACE(testing::Message() << "single " << single << " engine " << engine);
      EXPECT_EQ(s.fileNew, single);
      EXPECT_EQ(s.fileSave, single);
      EXPECT_EQ(s.fileSaveAs, single);
      EXPECT_EQ(s.fileExport, single);
      EXPECT_EQ(s.chart[0], single);
      EXPECT_EQ(s.chart[1], single);
      for (int i = 2; i <= 6; ++i) EXPECT_EQ(s.chart[i], engine) << i;
    }
  // A design read from disk may be reset before it is calculated.
  EXPECT_TRUE(StateOf({false, false, false, false, false, true, false}).fileNew);
}

TEST(HomeState, CommandsFollowTheResultsOutsideStartUp) {
  HomeState none = StateOf({false, false, false, false, false, false, false});
  EXPECT_TRUE(none.cmdInput);
  EXPECT_FALSE(none.cmdPlot || none.cmdPrint || none.cmdBalance || none.cmdFlywheel || none.cmdAssemble);
  EXPECT_TRUE(none.focusToInput);

  HomeState single = StateOf({true, false, false, false, false, false, false});
  EXPECT_TRUE(single.cmdPlot && single.cmdPrint && single.cmdBalance && single.cmdFlywheel && single.cmdAssemble);
  EXPECT_FALSE(single.focusToInput);

  // Balancing alone is enough to assemble.
  HomeState balanced = StateOf({false, true, false, false, false, false, false});
  EXPECT_TRUE(balanced.cmdAssemble);
  EXPECT_FALSE(balanced.cmdPlot);

  // During start-up the commands keep their initial state.
  HomeState starting = StateOf({true, true, false, false, false, false, true});
  EXPECT_FALSE(starting.cmdPlot || starting.cmdAssemble || starting.focusToInput);

  // A command whose screen does not exist stays disabled, and so does the power chart.
  HomeState noScreens = StateOf({true, true, true, true, false, false, false}, false);
  EXPECT_FALSE(noScreens.cmdInput || noScreens.cmdPlot || noScreens.cmdAssemble || noScreens.cmdFlywheel);
  EXPECT_FALSE(noScreens.chart[6]);
  EXPECT_TRUE(noScreens.chart[5]);
}

TEST(HomeState, StatusPanel) {
  HomeState hidden = StateOf({false, true, true, true, true, true, false});
  for (bool shown : hidden.indicator) EXPECT_FALSE(shown);

  HomeState calc = StateOf({true, false, true, false, true, false, false});
  EXPECT_EQ(calc.indicator, (std::array<bool, 5>{true, false, true, false, true}));
  EXPECT_EQ(calc.source, "Calculated");
  EXPECT_EQ(StateOf({true, true, false, true, false, true, false}).source, "DiskFile");

  EngineDesignRecord d;
  ProgramValues v;
  const char* const names[] = {"in-lb-s", "ft-lb-s", "m-kg-N-s", "cm-kg-N-s", "mm-kg-N-s"};
  for (int16_t u = 1; u <= 5; ++u) {
    d.UnitSystem = u;
    HomeState s = ComputeHomeState(d, v, [](ScreenId) { return true; });
    EXPECT_EQ(s.unitName, names[u - 1]);
    EXPECT_EQ(s.unitSystem, u);
  }
}

}  // namespace
}  // namespace zorvan
