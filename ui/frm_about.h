#pragma once
// The About screen: product header, release, revision and date.
#include "ui/screen_base.h"

namespace zorvan::ui {

class Application;

class FrmAbout : public ScreenDialog {
 public:
  FrmAbout(QWidget* parent, const QString& version, const QString& revision, const QString& date);
};

// Creates the screen, wires it to the application and registers it.
void RegisterAbout(Application& app);

}  // namespace zorvan::ui
