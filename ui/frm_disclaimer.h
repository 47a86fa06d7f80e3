#pragma once
// The warranty disclaimer; Next closes it and shows the home screen.
#include <functional>

#include "ui/screen_base.h"

namespace zorvan::ui {

class Application;

class FrmDisclaimer : public ScreenDialog {
 public:
  explicit FrmDisclaimer(QWidget* parent);
  std::function<void()> onDone;

 protected:
  void reject() override;
};

// Creates the screen, wires it to the application and registers it.
void RegisterDisclaimer(Application& app);

}  // namespace zorvan::ui
