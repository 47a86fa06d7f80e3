#include "shell/shell.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "screen_logic/notices.h"
#include "core/checked.h"
#include "core/pressure_trace.h"
#include "files/pressure_file.h"
#include "core/counterweight.h"
#include "core/design.h"
#include "core/one_cylinder.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/startup.h"
#include "core/rod_load.h"
#include "core/units.h"
#include "files/atomic_file.h"
#include "files/balancer_file.h"
#include "files/model_file.h"
#include "core/captions.h"
#include "core/error_report.h"
#include "shell/export_table.h"
#include "core/file_names.h"
#include "shell/association.h"
#include "shell/summary_report.h"

namespace zorvan {

namespace fs = std::filesystem;

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

void Shell::StartUp(const StartUpFacts& facts) {
  Guarded(ui_, "Main", [&] {
    v_.StartingUp = true;
    v_.ApplicationPath = facts.applicationPath;
    v_.LoginName = facts.loginName;
    std::string owner = Get_Owner(ui_);
    v_.UserName = owner.empty() ? facts.loginName : owner;
    v_.FilePath = DefaultSaveFolder(facts.documentsFolder, v_.ProductTitle);
    std::error_code ec;
    fs::create_directories(v_.FilePath, ec);
    if (ec) RaiseError(err::PathNotFound);
  });
  if (facts.registerFileType) CreateAssociation(ui_, "ZORVAN", "zrv");
  Guarded(ui_, "Initialize", [&] { ResetDesign(); });
  if (!facts.commandLine.empty()) {
    Guarded(ui_, "Open_Clicked_File", [&] {
      std::string path = GetLongPathFromShortPath(facts.commandLine);
      if (path.empty()) path = facts.commandLine;
      if (!FileExists(path)) {
        // The user named this file: say which one is missing.
        ui_.Message("The model file \"" + facts.commandLine + "\" was not found.", Buttons::Ok, Icon::Warning);
        return;
      }
      ReadModel(path);
    });
  }
  // The unit labels of the design's own system: a model file named on the
  // command line keeps its unit system, since its values are stored in it.
  Guarded(ui_, "Main", [&] {
    SetUnitLabels(d_);
    SetDigitCounts(d_);
  });
}

void Shell::ResetDesign() {
  MessageList told;
  Initialize(d_, told);
  Show(ui_, told);
  d_.SingleResultsValid = d_.BalanceResultsValid = false;
  d_.EngineResultsValid = d_.FlywheelResultsValid = false;
  d_.LoadedFromFile = d_.FromDiskFile = false;
  v_.DesignSaved = false;
  v_.DesignNumber = 1;
  v_.SaveDate = TodayText();
  v_.SaveTime = NowText();
}

void Shell::Activate() {
  Guarded(ui_, "frm_Homescreen.activate", [&] {
    if (v_.StartingUp && !isAdministrator(ui_))
      ui_.Message(shell_text::kDefaultPath + v_.FilePath, Buttons::Ok, Icon::Information);
    v_.StartingUp = false;
  });
  v_.StartingUp = false;
}

HomeState Shell::State() const {
  return ComputeHomeState(d_, v_, [this](ScreenId id) { return screens_.Available(id); });
}

bool Shell::UnsavedQuestion() {
  if (v_.DesignSaved || !d_.SingleResultsValid) return false;
  return ui_.Message(shell_text::kNotSaved, Buttons::YesNo, Icon::Information) == Answer::Yes;
}

void Shell::New() {
  if (!State().fileNew) return;
  Guarded(ui_, "frm_Homescreen.New", [&] {
    if (UnsavedQuestion()) SaveAs();
    if (ui_.Message(shell_text::kConfirmReset, Buttons::OkCancel, Icon::Information) != Answer::Ok) return;
    ResetDesign();
  });
  Activate();
}

void Shell::Open() {
  Guarded(ui_, "frm_Homescreen.Open", [&] {
    if (UnsavedQuestion()) SaveAs();
    FileDialogRequest request{"Open a model", "ZORVAN for Windows (*.zrv)|*.zrv |  All (*.*)|*.*|", "*.zrv",
                        DialogFolder(v_.FilePath), false};
    std::string path = ChosenOrCancel(dialogs_.OpenFileName(request));
    ReadModel(path);
  });
}

bool Shell::ReadModel(const std::string& path) {
  // The reader keeps the design, its file and its name when the read fails;
  // the balance shafts beside the file are read first, and a file of them
  // that cannot be read leaves everything as it was too.
  MessageList told;
  bool read;
  std::vector<BalanceShaft> shafts;
  {
    BusyPointer busy(ui_);
    read = ReadBalancerFile(path, shafts, told) && OpenModelFile(path, d_, v_, told);
  }
  if (read) d_.BalanceShafts = std::move(shafts);
  Show(ui_, told);
  if (!read) return false;
  BusyPointer busy(ui_);
  v_.DesignSaved = false;
  RecomputeAfterRead();
  return true;
}

// The results in memory belong to the design that was there before the read:
// recompute them for the design just read, as far as the file says it had been taken.
void Shell::RecomputeAfterRead() {
  MessageList told;
  if (d_.EngineResultsValid) {
    RecalculateAll(d_, told);
  } else if (OneCylinderPass(d_, told)) {
    CounterweightPass(d_, told);
  }
  d_.FlywheelResultsValid = false;
  Show(ui_, told);
}

FileDialogRequest Shell::ModelSaveRequest() const {
  return {"Save the Model", "(*.zrv)|*.zrv", v_.FileName + ".zrv", DialogFolder(v_.FilePath), true};
}

void Shell::Save() {
  if (!State().fileSave) return;
  if (!v_.DesignSaved) {
    SaveAs();
    return;
  }
  Guarded(ui_, "frm_Homescreen.Save", [&] { SaveModel(v_.FilePath); });
}

void Shell::SaveAs() {
  if (!d_.SingleResultsValid) return;
  Guarded(ui_, "frm_Homescreen.SaveAs", [&] {
    std::string path = WithExtension(ChosenOrCancel(dialogs_.SaveFileName(ModelSaveRequest())), ".zrv");
    SaveModel(path);
    // Only a file that was written becomes the design's file.
    v_.FilePath = path;
    v_.DesignSaved = true;
    v_.FileName = StripFilename(path);
  });
}

void Shell::SaveModel(const std::string& path) {
  MessageList told;
  {
    BusyPointer busy(ui_);
    SaveDesignFiles(path, d_, v_, told);
  }
  Show(ui_, told);
}

void Shell::ImportPressure() {
  Guarded(ui_, "frm_Homescreen.ImportPressure", [&] {
    FileDialogRequest request{"Import a Pressure Trace", "Pressure traces (*.csv;*.txt;*.dat)|*.csv;*.txt;*.dat|All (*.*)|*.*|",
                              "*.csv", DialogFolder(v_.FilePath), false};
    const std::string path = ChosenOrCancel(dialogs_.OpenFileName(request));
    const PressureReading r = ReadPressureFile(path, {});
    // A file that cannot be taken is named with its line and column; nothing changes.
    if (!r.trace) {
      ui_.Message(r.fault, Buttons::Ok, Icon::Warning, "Import Pressure");
      return;
    }
    const std::string preview = PressurePreviewText(r) + "\rUse this trace in place of the built-in pressure curve?";
    if (ui_.Message(preview, Buttons::OkCancel, Icon::Question, "Import Pressure") != Answer::Ok) return;
    std::shared_ptr<const PressureTrace> before = d_.Pressure;
    d_.Pressure = r.trace;
    if (auto fault = PressureFault(d_)) {
      d_.Pressure = before;
      ui_.Message(*fault, Buttons::Ok, Icon::Warning, "Import Pressure");
      return;
    }
    v_.DesignSaved = false;
    if (d_.SingleResultsValid) RecomputeAfterRead();
  });
}

void Shell::UseBuiltInPressure() {
  if (!d_.Pressure) return;
  Guarded(ui_, "frm_Homescreen.BuiltInPressure", [&] {
    d_.Pressure.reset();
    v_.DesignSaved = false;
    if (d_.SingleResultsValid) RecomputeAfterRead();
  });
}

void Shell::ExportSpreadsheet() {
  Guarded(ui_, "frm_Homescreen.Export", [&] {
    if (!d_.SingleResultsValid) {
      ui_.Message(shell_text::kBlankModel, Buttons::Ok, Icon::Information);
      return;
    }
    FileDialogRequest request{"Export All Data to a Text File", "(*.txt)|*.txt", v_.FileName + ".txt",
                        DialogFolder(v_.FilePath), true};
    std::string path = WithExtension(ChosenOrCancel(dialogs_.SaveFileName(request)), ".txt");
    {
      BusyPointer busy(ui_);
      ReplaceFileAtomically(path, ExportTableText(d_));
    }
    // FilePath stays the model file's: a later Save must not write over the export.
    ui_.Message(shell_text::kExported + std::string("\r\n") + path, Buttons::Ok, Icon::Information);
  });
}

void Shell::CompareWith() {
  Guarded(ui_, "frm_Homescreen.Compare", [&] {
    FileDialogRequest request{"Compare with a model", "ZORVAN for Windows (*.zrv)|*.zrv |  All (*.*)|*.*|", "*.zrv",
                              DialogFolder(v_.FilePath), false};
    const std::string path = ChosenOrCancel(dialogs_.OpenFileName(request));
    MessageList told;
    bool read;
    {
      BusyPointer busy(ui_);
      read = comparison_.Read(path, d_.UnitSystem, told);
    }
    Show(ui_, told);
    if (read) OpenScreen(ScreenId::Compare, Modality::Modeless);
  });
}

void Shell::Quit() {
  if (d_.SingleResultsValid && !v_.DesignSaved) SaveAs();
  screens_.Show(ScreenId::Quit, Modality::Modal);
}

void Shell::YesQuit() {
  Guarded(ui_, "Quit", [&] { screens_.EndProgram(); });
}

void Shell::PickUnits(int system) {
  if (system < 1 || system > 5 || system == d_.UnitSystem) return;
  Guarded(ui_, "frm_Homescreen.Units", [&] {
    const int16_t old = d_.UnitSystem;
    d_.UnitSystem = static_cast<int16_t>(system);
    SetUnitLabels(d_);
    SetDigitCounts(d_);
    unitMemory_.Convert(d_, old, d_.UnitSystem);
    d_.SingleResultsValid = false;
    v_.DesignSaved = false;
  });
  // The input screen shows the design in its new units, in front, as Input opens it.
  OpenScreen(ScreenId::Input);
}

void Shell::LoadExample(int example) {
  if (example < 1 || example > 7) return;
  bool loaded = false;
  Guarded(ui_, "frm_Homescreen.Examples", [&] {
    // An example is a new design: nothing of it comes from a file, and it is not saved.
    d_.LoadedFromFile = d_.FromDiskFile = false;
    v_.DesignSaved = false;
    MessageList told;
    loaded = zorvan::LoadExample(d_, example - 1, told);
    Show(ui_, told);
  });
  if (!loaded) return;
  homeExample_ = example;
  OpenScreen(ScreenId::Assemble);
}

void Shell::ShowChart(int chart) {
  if (chart < 0 || chart >= kChartCount || !State().chart[chart]) return;
  if (chart == kChartPower || chart == kChartOrders || chart == kChartStudy) {
    const ScreenId id = chart == kChartPower ? ScreenId::PowerChart : chart == kChartOrders ? ScreenId::Orders
                                                                                           : ScreenId::DesignStudy;
    OpenScreen(id, Modality::Modeless);
    return;
  }
  if (chart == kChartPhasors || chart == kChartTorsional || chart == kChartPv) {
    const ScreenId id = chart == kChartPhasors ? ScreenId::Phasors
                        : chart == kChartTorsional ? ScreenId::Torsional
                                                   : ScreenId::PvDiagram;
    OpenScreen(id, Modality::Modeless);
    return;
  }
  Guarded(ui_, "frm_Homescreen.Charts", [&] {
    std::string text;
    switch (chart) {
      case kChartSummary: text = EngineSummaryReport(d_, v_); break;
      case kChartMass: text = MassNoticeText(d_); break;
      case kChartFiring: text = FiringArrangementText(d_); break;
      case kChartForce: text = BalanceNoticeText(d_, BalanceKind::Force); break;
      case kChartMoment: text = BalanceNoticeText(d_, BalanceKind::Moment); break;
      case kChartRodLoad: text = RodLoadText(d_, RodLoadOf(d_)); break;
      default: text = BalanceNoticeText(d_, BalanceKind::Torque); break;
    }
    dialogs_.FixedWidthMessage(text);
  });
}

void Shell::ShowUserName() { ui_.Message(shell_text::kUserName + v_.LoginName, Buttons::Ok, Icon::Information); }
void Shell::ShowFilePath() { ui_.Message(shell_text::kFilePath + v_.FilePath, Buttons::Ok, Icon::Information); }
void Shell::ShowApplicationPath() {
  ui_.Message(shell_text::kAppPath + v_.ApplicationPath, Buttons::Ok, Icon::Information);
}

void Shell::ShowHelp(HelpTopic topic) { screens_.ShowHelp(topic); }
void Shell::SetScreenSize(bool maximized) { screens_.SetScreenSize(maximized); }

void Shell::OpenScreen(ScreenId id, Modality modality) {
  if (screens_.Available(id)) screens_.Show(id, modality);
}

namespace {
// The numeric value of a text as the classic Val reads it: the longest leading number, else 0.
double LeadingNumber(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  return end == begin ? 0 : v;
}
}  // namespace

bool Shell::AcceptUser(const std::string& name, const std::string& designNumber) {
  if (name.empty()) return false;
  bool ok = Guarded(ui_, "frm_User.Done", [&] {
    int16_t number = CInt(Chk(LeadingNumber(designNumber)));
    v_.UserName = name;
    v_.DesignNumber = number;
  });
  return ok;
}

void Shell::SetFileName(const std::string& name) {
  if (!name.empty()) v_.FileName = name;
}

}  // namespace zorvan
