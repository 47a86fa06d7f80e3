#include "core/error_report.h"

#include <gtest/gtest.h>

#include "tests/support/recording_ui.h"

namespace zorvan {
namespace {

TEST(ErrorReport, FileNotFoundFromCommandLineOpen) {
  EXPECT_EQ(ErrorReportText(53, " in Open_Clicked_File"),
            "Error 53   (File not found)  has occurred in  in Open_Clicked_File\r\n\r\n"
            "There are no files with your chosen name in the selected directory");
  EXPECT_EQ(ErrorReportIcon(53), Icon::Information);
}

TEST(ErrorReport, TypeMismatchShowsOnlyTheBaseText) {
  EXPECT_EQ(ErrorReportText(13, "Readfile"),
            "Error 13   (Type mismatch)  has occurred in Readfile\r\n\r\n");
}

TEST(ErrorReport, MemoryAdviceLinesAndIcons) {
  std::string t7 = ErrorReportText(7, "Main");
  EXPECT_NE(t7.find("menu, \r\nthen Quit this program and restart it to clear the memory.\r\n"
                    "It may help to close other programs that are running at the same time.\r\n"
                    "Good luck! "),
            std::string::npos);
  EXPECT_EQ(t7.substr(t7.size() - 11), "Good luck! ");
  EXPECT_EQ(ErrorReportIcon(7), Icon::None);
  EXPECT_NE(ErrorReportText(28, "Main").find("clear the stacks."), std::string::npos);
  EXPECT_EQ(ErrorReportIcon(28), Icon::Information);
}

TEST(ErrorReport, GuardedReportsUnderTheProcedureNameAndRestoresThePointer) {
  RecordingUi ui;
  ui.SetPointer(Pointer::Busy);
  bool ok = Guarded(ui, "Engine_Data", [] { RaiseError(err::Overflow); });
  EXPECT_FALSE(ok);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error 6   (Overflow)  has occurred in Engine_Data\r\n\r\n");
  EXPECT_EQ(ui.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(ui.pointer, Pointer::Normal);
}

TEST(ErrorReport, CancelledDialogIsSilent) {
  RecordingUi ui;
  EXPECT_FALSE(Guarded(ui, "frm_Homescreen.Open", [] { RaiseError(err::DialogCancel); }));
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace zorvan
