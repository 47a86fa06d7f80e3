#include "ui/application.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <algorithm>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <type_traits>

#include "core/captions.h"
#include "core/design_runner.h"
#include "core/recalculate.h"
#include "core/result_catalogue.h"
#include "shell/registry.h"
#include "ui/frm_help.h"
#include "ui/frm_home_screen.h"
#include "ui/qt_platform.h"
#include "ui/quiet_platform.h"

static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace zorvan::ui {

Application::Application(Ui& ui, Dialogs& dialogs, FormPrinter* printer)
    : ui_(ui),
      dialogs_(dialogs),
      ownPrinter_(printer ? nullptr : std::make_unique<QtFormPrinter>()),
      printer_(printer ? printer : ownPrinter_.get()),
      design_(std::make_unique<EngineDesignRecord>()) {
  InitHelpResources();
  shell_ = std::make_unique<Shell>(*design_, values_, ui, dialogs, *this);
  RegisterScreens(*this);
}

Application::~Application() = default;

void Application::Start(const StartUpFacts& facts) {
  shell_->StartUp(facts);
  auto* home = Screen<FrmHomeScreen>(ScreenId::Home);
  home->setWindowTitle(QString::fromStdString(values_.ScreenTitle));
  Screen<QWidget>(ScreenId::Help)->setWindowTitle(QString::fromStdString(ScreenCaption(values_, "Help")));
  home->Refresh();
  startingUp_ = true;
  QWidget* title = Screen<QWidget>(ScreenId::Title);
  Place(title);
  ShowModal(title);
}

QWidget* Application::Register(ScreenRegistration screen) {
  QWidget* w = registry_.Add(std::move(screen));
  RefreshHome();
  return w;
}

void Application::RefreshHome() {
  if (auto* home = Screen<FrmHomeScreen>(ScreenId::Home)) home->Refresh();
}

void Application::ShowModal(QWidget* w) {
  w->setWindowModality(Qt::ApplicationModal);
  w->show();
  w->raise();
  w->activateWindow();
}

void Application::Place(QWidget* w) {
  // The screen of the window the user works in, else the one under the pointer.
  QScreen* screen = nullptr;
  if (QWidget* active = QApplication::activeWindow(); active && active != w) screen = active->screen();
  if (!screen) screen = QGuiApplication::screenAt(QCursor::pos());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  if (w->screen() != screen) w->setScreen(screen);
  const QRect area = screen->availableGeometry();
  // The window manager's frame: known once the window has been shown, else a usual one.
  QSize frame = w->frameGeometry().size() - w->size();
  if (frame.isEmpty() || !w->testAttribute(Qt::WA_WState_Created)) frame = frame.expandedTo(QSize(16, 48));
  const QSize size = w->size().expandedTo(w->minimumSizeHint()).boundedTo(area.size() - frame);
  w->resize(size);
  const QSize outer = size + frame;
  w->move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
          area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

void Application::Show(ScreenId id, Modality modality) {
  const ScreenRegistration* s = registry_.Find(id);
  if (!s) return;
  if (s->beforeShow) s->beforeShow(modality);
  QWidget* w = s->window.get();
  if (!s->centred) {
    w->show();
    return;
  }
  Place(w);
  // A window opened from a modal one comes in front of it and takes the
  // input until it closes.
  QWidget* modal = QApplication::activeModalWidget();
  if (modality == Modality::Modal || (modal && modal != w)) {
    ShowModal(w);
  } else {
    w->setWindowModality(Qt::NonModal);
    w->show();
    w->raise();
  }
}

void Application::ShowHelp(HelpTopic topic) {
  Screen<FrmHelp>(ScreenId::Help)->ShowTopic(topic);
  Show(ScreenId::Help, Modality::Modeless);
}

void Application::SetScreenSize(bool maximized) {
  maximized_ = maximized;
  QWidget* home = Screen<QWidget>(ScreenId::Home);
  if (maximized) {
    home->showMaximized();
  } else {
    home->showNormal();
    home->resize(790, 632);
    Place(home);
  }
}

void Application::EndProgram() {
  ended_ = true;
  // The home screen goes last, so no other window is left behind it.
  for (const ScreenRegistration& s : registry_.All())
    if (s.id != ScreenId::Home) s.window->hide();
  if (QWidget* home = Screen<QWidget>(ScreenId::Home)) home->hide();
  QCoreApplication::quit();
}

namespace {

// The design's results as a number that changes when any of them does: the
// flags, the unit system and every stored column (FNV-1a over their bytes).
std::uint64_t ResultsPrint(const EngineDesignRecord& d, unsigned comparison) {
  std::uint64_t h = 1469598103934665603ull;
  auto bytes = [&h](const void* p, std::size_t n) {
    const auto* c = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h = (h ^ c[i]) * 1099511628211ull;
  };
  const bool flags[] = {d.SingleResultsValid, d.BalanceResultsValid, d.EngineResultsValid, d.FlywheelResultsValid};
  bytes(flags, sizeof flags);
  bytes(&d.UnitSystem, sizeof d.UnitSystem);
  // The entered shaft: the torsional screen shows it.
  for (const ShaftStation& s : d.Shaft.value_or(ShaftTable{})) {
    bytes(s.name.data(), s.name.size());
    const double values[] = {s.inertia, s.stiffness, s.damping};
    bytes(values, sizeof values);
  }
  // The balance shafts, and the design compared with, change what screens show too.
  for (const BalanceShaft& s : d.BalanceShafts) {
    const double values[] = {double(s.order), double(s.sense), s.massRadius, s.phase, s.position};
    bytes(values, sizeof values);
  }
  bytes(&comparison, sizeof comparison);
  ForEachStored(d.table, [&](const char*, const auto& column) {
    static_assert(std::is_trivially_copyable_v<std::decay_t<decltype(column)>>);
    bytes(&column, sizeof column);
  });
  return h;
}

}  // namespace

void Application::ShowsResults(ScreenId id, std::function<bool()> offered) {
  resultScreens_.emplace_back(id, std::move(offered));
}

void Application::DesignTouched(const QWidget* from) {
  const unsigned comparison = shell_->GetComparison().Generation();
  // A screen refilled here may tell of its own refill: the one pass covers it.
  if (refilling_ || ResultsPrint(*design_, comparison) == designPrint_) return;
  struct Refilling {
    bool& on;
    explicit Refilling(bool& flag) : on(flag) { on = true; }
    ~Refilling() { on = false; }
  } refilling(refilling_);
  for (const auto& [id, offered] : resultScreens_) {
    const ScreenRegistration* s = registry_.Find(id);
    QWidget* w = s ? s->window.get() : nullptr;
    if (!w || !w->isVisible() || w == from) continue;
    if (!offered()) {
      w->hide();
    } else if (s->beforeShow) {
      s->beforeShow(Modality::Modeless);
    }
  }
  designPrint_ = ResultsPrint(*design_, comparison);  // refilling may have calculated (the flywheel)
}

std::optional<PlotOverlay> Application::Overlay() {
  Comparison& c = shell_->GetComparison();
  if (!c.Active()) return std::nullopt;
  MessageList told;
  const EngineDesignRecord* other = c.Calculated(design_->UnitSystem, told);
  zorvan::Show(ui_, told);
  if (!other) return std::nullopt;
  return PlotOverlay{other, values_.FileName.empty() ? "this design" : values_.FileName, c.Name(), false};
}

void Application::LoadCompressorExample() {
  MessageList told;
  if (zorvan::LoadExample(*design_, 5, told)) {
    RunRequest pump;
    pump.settings = {{"MachineType", "Pump"}};
    told.Append(RunDesign(*design_, pump).messages);
  }
  zorvan::Show(ui_, told);
}

bool Application::LoadExample(int k) {
  MessageList told;
  const bool ok = zorvan::LoadExample(*design_, k, told);
  zorvan::Show(ui_, told);
  return ok;
}

bool Application::Snapshot(const QString& dir) {
  QDir().mkpath(dir);
  bool ok = true;
  for (const ScreenRegistration& s : registry_.All()) {
    std::vector<SnapshotState> states = s.states;
    auto refill = [&s] {
      if (s.beforeShow) s.beforeShow(Modality::Modeless);
    };
    if (states.empty()) states.push_back({"", refill});
    // A screen of results is pictured with the V8 as a compressor too, in the
    // state its own picture left it.
    const bool results = std::any_of(resultScreens_.begin(), resultScreens_.end(),
                                     [&s](const auto& r) { return r.first == s.id; });
    if (results) states.push_back({"compressor", [this, refill] {
                                     LoadCompressorExample();
                                     refill();
                                   }});
    for (const SnapshotState& state : states) {
      QWidget* w = s.window.get();
      // The compressor is pictured on a copy: the next screen's pictures start from an engine again.
      std::unique_ptr<EngineDesignRecord> engine;
      if (state.name == "compressor") engine = std::make_unique<EngineDesignRecord>(*design_);
      if (state.prepare) state.prepare();
      w->show();
      QCoreApplication::processEvents();
      // The picture shows the whole screen, as on a display with room for it.
      if (auto* body = w->findChild<QScrollArea*>("scr_Body"); body && body->widget()) {
        const QSize lack = (body->widget()->minimumSizeHint() - body->size()).expandedTo(QSize(0, 0));
        if (lack.width() > 0 || lack.height() > 0) {
          w->resize(w->size() + lack);
          QCoreApplication::processEvents();
        }
      }
      QString name = w->objectName();
      if (!state.name.empty()) name += "@" + QString::fromStdString(state.name);
      ok = w->grab().save(QDir(dir).filePath(name + ".png")) && ok;
      w->hide();
      if (engine) *design_ = std::move(*engine);
    }
  }
  return ok;
}

StartUpFacts SystemFacts(const QString& commandLine) {
  StartUpFacts f;
  f.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  if (f.documentsFolder.empty()) f.documentsFolder = QDir::homePath().toStdString();
  f.loginName = LoginName();
  f.applicationPath = (QCoreApplication::applicationDirPath() + "/").toStdString();
  f.commandLine = commandLine.toStdString();
  return f;
}

int RunApplication(QApplication& app) {
  QStringList args = app.arguments();
  args.removeFirst();
  if (args.size() >= 2 && args[0] == "--snapshot") {
    QuietPlatform quiet;
    Application program(quiet, quiet);
    StartUpFacts facts = SystemFacts({});
    facts.registerFileType = false;
    program.Start(facts);
    program.Screen<QWidget>(ScreenId::Title)->hide();
    QCoreApplication::processEvents();
    return program.Snapshot(args[1]) ? 0 : 1;
  }
  QtPlatform platform(ProgramValues{}.ScreenTitle);
  Application program(platform, platform);
  program.Start(SystemFacts(args.isEmpty() ? QString() : args.first()));
  return app.exec();
}

}  // namespace zorvan::ui
