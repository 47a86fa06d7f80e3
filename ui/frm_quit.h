#pragma once
// The quit screen: No hides it, Yes ends the program.
#include <functional>

#include "ui/screen_base.h"

namespace zorvan::ui {

class Application;

class FrmQuit : public ScreenDialog {
 public:
  explicit FrmQuit(QWidget* parent);
  std::function<void()> onYes;
  void showEvent(QShowEvent* e) override;
};

// Creates the screen, wires it to the application and registers it.
void RegisterQuit(Application& app);

}  // namespace zorvan::ui
