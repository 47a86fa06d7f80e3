#pragma once
// The home screen: command buttons, menus and the status panel. Every command
// goes to the shell; the screen then shows the shell's state again.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <functional>

#include "shell/shell.h"

namespace zorvan::ui {

class Application;

class FrmHomeScreen : public QMainWindow {
 public:
  explicit FrmHomeScreen(Shell& shell);
  // Shows the shell's state: enabling rules, Units check mark, status panel.
  void Refresh();
  std::function<void()> onAbout, onDisclaimer, onUser;
  std::function<void()> onCommandDone;  // after every command: the design may have changed

 protected:
  void closeEvent(QCloseEvent* event) override;  // refused; Quit instead
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QAction* Action(QMenu* menu, const QString& name, const QString& text, std::function<void()> run);
  void BuildMenus();
  QWidget* BuildCommands();
  QWidget* BuildStatus();
  void Run(const std::function<void()>& command);
  void Activate();

  Shell& shell_;
  QAction *new_ = nullptr, *save_ = nullptr, *saveAs_ = nullptr;
  QMenu* export_ = nullptr;
  QAction *showCompare_ = nullptr, *stopCompare_ = nullptr;
  std::array<QAction*, 5> pick_{};
  std::array<QAction*, kChartCount> chart_{};
  QPushButton *input_ = nullptr, *plot_ = nullptr, *balance_ = nullptr, *assemble_ = nullptr;
  QPushButton *print_ = nullptr, *flywheel_ = nullptr, *quit_ = nullptr;
  QLabel* units_ = nullptr;
  std::array<QLabel*, kIndicatorCount> status_{};
  bool activationQueued_ = false;
};

// Creates the screen, wires it to the application and registers it.
void RegisterHomeScreen(Application& app);

}  // namespace zorvan::ui
