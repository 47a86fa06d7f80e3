#pragma once
// The program's frame without the window system: start-up, the home screen's
// activation, its file commands, units, examples, charts, user and help menus.
// The Qt home screen calls these and then shows HomeState(); tests call them
// with the recording fakes.
#include <functional>
#include <string>

#include "core/design_record.h"
#include "core/units.h"
#include "platform/dialogs.h"
#include "platform/screens.h"
#include "platform/ui.h"
#include "shell/association.h"
#include "shell/comparison.h"
#include "shell/home_state.h"
#include "core/program_values.h"

namespace zorvan {

// What start-up learns from the system.
struct StartUpFacts {
  std::string documentsFolder;  // the user's documents folder
  std::string loginName;
  std::string applicationPath;  // the program's folder, with a trailing separator
  std::string commandLine;      // a model file to open, or empty
  bool registerFileType = true; // record the model-file association (not for pictures of the screens)
};

// Exact texts of the shell's messages.
namespace shell_text {
inline constexpr const char* kNotSaved =
    "The current data has not been saved.  Do you want to save it before resetting?";
inline constexpr const char* kConfirmReset = "Please confirm your order to reset all variables to initial values";
inline constexpr const char* kDefaultPath = "Your default path for saved files is: ";
inline constexpr const char* kBlankModel =
    "The current model is blank: there are no results to export.  Calculate a design first.";
inline constexpr const char* kExported = "The results were exported to ";
inline constexpr const char* kUserName = "User Name is ";
inline constexpr const char* kFilePath = "Path for saved files is ";
inline constexpr const char* kAppPath = "The application path is ";
inline constexpr const char* kReallyQuit = "Do you really want to Quit?";
}  // namespace shell_text

class Shell {
 public:
  Shell(EngineDesignRecord& design, ProgramValues& values, Ui& ui, Dialogs& dialogs, Screens& screens)
      : isAdministrator([](Ui& u) { return Check_Administrator(u); }),
        d_(design), v_(values), ui_(ui), dialogs_(dialogs), screens_(screens) {}

  // Start-up steps up to the title screen: program values, default folder,
  // association, the start-up design, a model file named on the command line,
  // unit labels. The caller then shows the title screen.
  void StartUp(const StartUpFacts& facts);
  // Home screen activation: the default-path message on the first one, the
  // enabling rules, the end of start-up.
  void Activate();
  HomeState State() const;

  // File menu and Quit.
  void New();
  void Open();
  void Save();
  void SaveAs();
  void ExportSpreadsheet();
  // File, Compare With...: a second model file read for the comparison, and
  // the comparison panel shown; nothing changes when it cannot be read.
  void CompareWith();
  // File, Stop Comparing.
  void StopComparing() { comparison_.Clear(); }
  Comparison& GetComparison() { return comparison_; }
  // File, Import Pressure: a trace file read, previewed and, when the user
  // takes it and it fits the design, used in place of the built-in curve.
  void ImportPressure();
  // File, Built-in Pressure Curve: the trace given up.
  void UseBuiltInPressure();
  void Quit();     // saves unsaved results, then shows the quit screen
  void YesQuit();  // the quit screen's Yes

  void PickUnits(int system);    // mnu_pick 1..5
  void LoadExample(int example);  // mnu_examp 1..7
  void ShowChart(int chart);      // mnu_Chart 0..6
  void ShowUserName();
  void ShowFilePath();
  void ShowApplicationPath();
  void ShowHelp(HelpTopic topic);
  void SetScreenSize(bool maximized);

  // The one place where commands open screens; does nothing for a screen that
  // does not exist yet.
  void OpenScreen(ScreenId id, Modality modality = Modality::Modal);

  // The user screen's Next: false (and nothing changed) when the name is empty or
  // the design number is not a number of the int16 range.
  bool AcceptUser(const std::string& name, const std::string& designNumber);
  // The user screen's file name box; an empty name keeps the old one.
  void SetFileName(const std::string& name);

  // Opens a model file the way Open does after the dialog. True when it was read.
  bool ReadModel(const std::string& path);

  // The example (1..7) the Examples menu loaded last, for the assembly screen to
  // show as its selection; 0 once that screen has taken it.
  int HomeExample() const { return homeExample_; }
  void ClearHomeExample() { homeExample_ = 0; }

  // Whether the user may write machine-wide settings; without that right the
  // first activation tells where designs are saved.
  std::function<bool(Ui&)> isAdministrator;

 private:
  bool UnsavedQuestion();
  void ResetDesign();
  void RecomputeAfterRead();
  // Writes the model file under the busy pointer and tells the user it was written.
  void SaveModel(const std::string& path);
  FileDialogRequest ModelSaveRequest() const;

  EngineDesignRecord& d_;
  ProgramValues& v_;
  Ui& ui_;
  Dialogs& dialogs_;
  Screens& screens_;
  int homeExample_ = 0;
  Comparison comparison_;
  UnitMemory unitMemory_;  // a run of unit switches converts from where it began
};

}  // namespace zorvan
