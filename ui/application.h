#pragma once
// The desktop program: the one design, the shell, the screens and the way
// screens are opened. The platform (message boxes, file dialogs) is handed in:
// Qt's in the program, the recording fake in the GUI tests.
#include <QApplication>
#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "core/design_record.h"
#include "platform/dialogs.h"
#include "platform/screens.h"
#include "core/program_values.h"
#include "shell/shell.h"

namespace zorvan::ui {

class FrmHomeScreen;
class FrmTitle;
class FrmDisclaimer;
class FrmQuit;
class FrmUser;
class FrmAbout;
class FrmHelp;

class Application : public Screens {
 public:
  Application(Ui& ui, Dialogs& dialogs);
  ~Application() override;

  // Start-up: the shell's steps, the captions, then the title screen.
  void Start(const StartUpFacts& facts);

  // Screens.
  bool Available(ScreenId id) const override;
  void Show(ScreenId id, Modality modality) override;
  void ShowHelp(HelpTopic topic) override;
  void SetScreenSize(bool maximized) override;
  void EndProgram() override;

  // Later screens register here how they are opened; their commands then enable.
  void RegisterScreen(ScreenId id, std::function<void(Modality)> open);

  // Renders every screen into dir as <objectName>.png; false when one failed.
  bool Snapshot(const QString& dir);

  EngineDesignRecord& Design() { return *design_; }
  ProgramValues& Values() { return values_; }
  Shell& GetShell() { return *shell_; }
  FrmHomeScreen* Home() const { return home_.get(); }
  FrmTitle* Title() const { return title_.get(); }
  FrmDisclaimer* Disclaimer() const { return disclaimer_.get(); }
  FrmQuit* QuitScreen() const { return quit_.get(); }
  FrmUser* User() const { return user_.get(); }
  FrmAbout* About() const { return about_.get(); }
  FrmHelp* Help() const { return help_.get(); }
  bool Ended() const { return ended_; }
  // Screen Size: later screens lay themselves out enlarged while this is set.
  bool Maximized() const { return maximized_; }

 private:
  void Connect();
  void ShowModal(QWidget* w);
  void Place(QWidget* w);

  std::unique_ptr<EngineDesignRecord> design_;
  ProgramValues values_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<FrmHomeScreen> home_;
  std::unique_ptr<FrmTitle> title_;
  std::unique_ptr<FrmDisclaimer> disclaimer_;
  std::unique_ptr<FrmQuit> quit_;
  std::unique_ptr<FrmUser> user_;
  std::unique_ptr<FrmAbout> about_;
  std::unique_ptr<FrmHelp> help_;
  std::map<ScreenId, std::function<void(Modality)>> later_;
  bool startingUp_ = true;  // the disclaimer leads on to the home screen
  bool maximized_ = false;
  bool ended_ = false;
};

// What the system tells start-up: documents folder, login name, program folder.
StartUpFacts SystemFacts(const QString& commandLine);

// The program: "zorvan [model.zrv]" or "zorvan --snapshot DIR". Returns the exit code.
int RunApplication(QApplication& app);

}  // namespace zorvan::ui
