#pragma once
// The desktop program: the one design, the shell, and the screens in their
// registry. The platform (message boxes, file dialogs) is handed in: Qt's in
// the program, the recording fake in the GUI tests.
#include <QApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "core/design_record.h"
#include "core/program_values.h"
#include "platform/dialogs.h"
#include "platform/screens.h"
#include "plots/plot_model.h"
#include "plots/plot_selection.h"
#include "shell/shell.h"
#include "ui/print_form.h"
#include "ui/screen_registry.h"

namespace zorvan::ui {

class Application : public Screens {
 public:
  // The printer of Print Form: the system's when none is given.
  Application(Ui& ui, Dialogs& dialogs, FormPrinter* printer = nullptr);
  ~Application() override;

  // Start-up: the shell's steps, the captions, then the title screen.
  void Start(const StartUpFacts& facts);

  // Screens.
  bool Available(ScreenId id) const override { return registry_.Has(id); }
  void Show(ScreenId id, Modality modality) override;
  void ShowHelp(HelpTopic topic) override;
  void SetScreenSize(bool maximized) override;
  void EndProgram() override;

  // Adds a screen (or replaces the one with its id); its commands then enable.
  QWidget* Register(ScreenRegistration screen);
  // Every registered screen, in the order they were registered.
  const std::vector<ScreenRegistration>& Registered() const { return registry_.All(); }
  // The registered window of a screen, as its own class.
  template <class T>
  T* Screen(ScreenId id) const {
    return static_cast<T*>(registry_.Window(id));
  }

  // Renders every screen into dir as <objectName>.png, and each named state as
  // <objectName>@<state>.png; false when one failed.
  bool Snapshot(const QString& dir);

  // Centres a window on the screen the user works on (the active window's),
  // no larger than that screen, its frame included.
  static void Place(QWidget* w);
  // Shows a window modally without a nested event loop: its own buttons carry on.
  static void ShowModal(QWidget* w);

  EngineDesignRecord& Design() { return *design_; }
  ProgramValues& Values() { return values_; }
  // The one plot selection: written by the selection screens, read by the plots.
  PlotSelection& Selection() { return selection_; }
  Shell& GetShell() { return *shell_; }
  Ui& GetUi() { return ui_; }
  // Loads engine preset k as the example lists do, telling what it says.
  bool LoadExample(int k);
  // The V8 example as a compressor, calculated: a picture state of the result screens.
  void LoadCompressorExample();
  // The design compared with (File > Compare With...), as the plots draw it
  // over the current one, in the current design's units; none without a
  // comparison or when it cannot be calculated so (said on the screen).
  std::optional<PlotOverlay> Overlay();

  // A screen of results: when the design changes while it is shown, it is
  // filled again from the design while `offered` holds, and hidden when not.
  void ShowsResults(ScreenId id, std::function<bool()> offered);
  // Called after every command of a screen: when the design's results have
  // changed since last time, the result screens that show (other than
  // `from`) are filled again or hidden, so none keeps numbers of before.
  void DesignTouched(const QWidget* from = nullptr);
  Dialogs& GetDialogs() { return dialogs_; }
  FormPrinter& Printer() { return *printer_; }
  bool Ended() const { return ended_; }
  // Screen Size: screens lay themselves out enlarged while this is set.
  bool Maximized() const { return maximized_; }
  // True from start-up until the disclaimer has led on to the home screen.
  bool StartingUp() const { return startingUp_; }
  void SetStartingUp(bool s) { startingUp_ = s; }

 private:
  void RefreshHome();

  Ui& ui_;
  Dialogs& dialogs_;
  std::unique_ptr<FormPrinter> ownPrinter_;
  FormPrinter* printer_;
  std::unique_ptr<EngineDesignRecord> design_;
  ProgramValues values_;
  PlotSelection selection_;
  std::unique_ptr<Shell> shell_;
  ScreenRegistry registry_;
  std::vector<std::pair<ScreenId, std::function<bool()>>> resultScreens_;
  std::uint64_t designPrint_ = 0;  // what DesignTouched last saw
  bool refilling_ = false;  // DesignTouched is refilling the result screens
  bool startingUp_ = true;
  bool maximized_ = false;
  bool ended_ = false;
};

// Registers every screen of the program, one line each (ui/screen_list.cpp).
void RegisterScreens(Application& app);

// What the system tells start-up: documents folder, login name, program folder.
StartUpFacts SystemFacts(const QString& commandLine);

// The program: "zorvan [model.zrv]" or "zorvan --snapshot DIR". Returns the exit code.
int RunApplication(QApplication& app);

}  // namespace zorvan::ui
