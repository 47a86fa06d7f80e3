#pragma once
// The title screen shown at start-up: Start leads to the disclaimer, Abort to the quit screen.
#include <functional>

#include "ui/screen_base.h"

namespace zorvan::ui {

class Application;

class FrmTitle : public ScreenDialog {
 public:
  FrmTitle(QWidget* parent, const QString& version, const QString& revision, const QString& date);
  std::function<void()> onStart, onAbort;

 protected:
  void reject() override;  // Escape or closing the window means Abort
};

// Creates the screen, wires it to the application and registers it.
void RegisterTitle(Application& app);

}  // namespace zorvan::ui
