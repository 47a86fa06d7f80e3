#pragma once
// The desktop program for a GUI test: the recording platform and printer, a
// scratch documents folder, and start-up through the title and disclaimer to
// the home screen.
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "tests/support/gui_driver.h"
#include "tests/support/recording_printer.h"
#include "tests/support/recording_platform.h"
#include "core/recalculate.h"
#include "core/runtime_error.h"
#include "core/startup.h"
#include "ui/application.h"
#include "ui/print_form.h"

namespace zorvan::test {

// Keeps each printed screen image; a scripted false is a cancelled dialog.
class RecordingFormPrinter : public ui::FormPrinter {
 public:
  bool Print(const QImage& image) override {
    if (fail) RaiseError(err::DeviceIO);
    const bool go = answers.empty() || answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    if (go) printed.push_back(image);
    return go;
  }
  ZonePrinter& Zones() override { return zones; }
  std::vector<bool> answers;
  std::vector<QImage> printed;
  bool fail = false;  // the printer reports a device fault
  RecordingZonePrinter zones;  // the printed tables
};

struct GuiApp {
  QTemporaryDir tmp;
  RecordingPlatform p;
  RecordingFormPrinter printer;
  std::unique_ptr<ui::Application> app;

  GuiApp() {
    qputenv("XDG_DATA_HOME", (tmp.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (tmp.path() + "/config").toUtf8());
    app = std::make_unique<ui::Application>(p, p, &printer);
    StartUpFacts f;
    f.documentsFolder = (tmp.path() + "/docs").toStdString();
    f.loginName = "ann";
    f.applicationPath = "/opt/zorvan/";
    f.registerFileType = false;
    app->Start(f);
    GuiDriver gui(*app);
    gui.Click(ScreenId::Title, "cmd_Start");
    gui.Click(ScreenId::Disclaimer, "cmd_Done");
    p.messages.clear();
  }
  GuiDriver Gui() { return GuiDriver(*app); }

  // A step of the calculation run on the program's design, its messages shown
  // on the recording platform as the screens show them.
  template <class Step>
  bool Told(Step&& step) {
    MessageList told;
    const bool ok = step(app->Design(), told);
    Show(p, told);
    return ok;
  }
  // The start-up design afresh ("Initialize").
  bool Reset() { return Told([](EngineDesignRecord& d, MessageList& m) { return Initialize(d, m); }); }
  // The one cylinder of the program's design calculated as its screen calculates it.
  bool OneCylinder() {
    return Told([](EngineDesignRecord& d, MessageList& m) { return OneCylinderChain(d, m, "test"); });
  }
};

}  // namespace zorvan::test
