#include "ui/application.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTimer>

#include "ui/quiet_platform.h"
#include "core/captions.h"
#include "ui/frm_about.h"
#include "ui/frm_disclaimer.h"
#include "ui/frm_help.h"
#include "ui/frm_home_screen.h"
#include "ui/frm_quit.h"
#include "ui/frm_title.h"
#include "ui/frm_user.h"
#include "ui/qt_platform.h"

static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace zorvan::ui {

Application::Application(Ui& ui, Dialogs& dialogs)
    : design_(std::make_unique<EngineDesignRecord>()) {
  InitHelpResources();
  shell_ = std::make_unique<Shell>(*design_, values_, ui, dialogs, *this);
  const QString version = QString::fromStdString(values_.ProgramVersion);
  const QString revision = QString::fromStdString(values_.Revision);
  const QString date = QString::fromStdString(values_.ReleaseDate);
  home_ = std::make_unique<FrmHomeScreen>(*shell_);
  title_ = std::make_unique<FrmTitle>(nullptr, version, revision, date);
  disclaimer_ = std::make_unique<FrmDisclaimer>(nullptr);
  quit_ = std::make_unique<FrmQuit>(nullptr);
  user_ = std::make_unique<FrmUser>(nullptr);
  about_ = std::make_unique<FrmAbout>(nullptr, version, revision, date);
  help_ = std::make_unique<FrmHelp>(nullptr);
  Connect();
}

Application::~Application() = default;

void Application::Connect() {
  title_->onStart = [this] {
    title_->hide();
    startingUp_ = true;
    ShowModal(disclaimer_.get());
  };
  title_->onAbort = [this] { Show(ScreenId::Quit, Modality::Modal); };
  disclaimer_->onDone = [this] {
    if (!startingUp_) return;
    startingUp_ = false;
    Place(home_.get());
    home_->show();
  };
  quit_->onYes = [this] { shell_->YesQuit(); };
  user_->onDone = [this](const std::string& name, const std::string& number) {
    return shell_->AcceptUser(name, number);
  };
  user_->onFileName = [this](const std::string& name) { shell_->SetFileName(name); };
  user_->onClosed = [this] {
    home_->show();
    home_->Refresh();
  };
  home_->onAbout = [this] { Show(ScreenId::About, Modality::Modal); };
  home_->onDisclaimer = [this] { Show(ScreenId::Disclaimer, Modality::Modeless); };
  home_->onUser = [this] { Show(ScreenId::User, Modality::Modeless); };
}

void Application::Start(const StartUpFacts& facts) {
  shell_->StartUp(facts);
  home_->setWindowTitle(QString::fromStdString(values_.ProductTitle));
  help_->setWindowTitle(QString::fromStdString(ScreenCaption(values_, "Help")));
  home_->Refresh();
  startingUp_ = true;
  Place(title_.get());
  ShowModal(title_.get());
}

bool Application::Available(ScreenId id) const {
  switch (id) {
    case ScreenId::Home: case ScreenId::Title: case ScreenId::Disclaimer: case ScreenId::Quit:
    case ScreenId::User: case ScreenId::About: case ScreenId::Help:
      return true;
    default:
      return later_.count(id) > 0;
  }
}

void Application::ShowModal(QWidget* w) {
  // Modal without a nested event loop: the screen's own buttons carry on.
  w->setWindowModality(Qt::ApplicationModal);
  w->show();
  w->raise();
  w->activateWindow();
}

void Application::Place(QWidget* w) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect area = screen->availableGeometry();
  QSize size = w->size().boundedTo(area.size());
  w->resize(size);
  w->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void Application::Show(ScreenId id, Modality modality) {
  auto show = [&](QWidget* w) {
    Place(w);
    if (modality == Modality::Modal)
      ShowModal(w);
    else {
      w->setWindowModality(Qt::NonModal);
      w->show();
      w->raise();
    }
  };
  switch (id) {
    case ScreenId::Home: home_->show(); return;
    case ScreenId::Title: show(title_.get()); return;
    case ScreenId::Disclaimer: show(disclaimer_.get()); return;
    case ScreenId::Quit: show(quit_.get()); return;
    case ScreenId::About: show(about_.get()); return;
    case ScreenId::Help: show(help_.get()); return;
    case ScreenId::User:
      user_->Fill(values_.UserName, values_.DesignNumber, values_.FileName);
      show(user_.get());
      return;
    default:
      if (auto it = later_.find(id); it != later_.end()) it->second(modality);
  }
}

void Application::ShowHelp(HelpTopic topic) {
  help_->ShowTopic(topic);
  Show(ScreenId::Help, Modality::Modeless);
}

void Application::SetScreenSize(bool maximized) {
  maximized_ = maximized;
  if (maximized) {
    home_->showMaximized();
  } else {
    home_->showNormal();
    home_->resize(790, 632);
    Place(home_.get());
  }
}

void Application::EndProgram() {
  ended_ = true;
  for (QWidget* w : std::initializer_list<QWidget*>{title_.get(), disclaimer_.get(), quit_.get(), user_.get(),
                                                   about_.get(), help_.get(), home_.get()})
    w->hide();
  QCoreApplication::quit();
}

void Application::RegisterScreen(ScreenId id, std::function<void(Modality)> open) {
  later_[id] = std::move(open);
  home_->Refresh();
}

bool Application::Snapshot(const QString& dir) {
  QDir().mkpath(dir);
  help_->ShowTopic(HelpTopic::UserManual);
  user_->Fill(values_.UserName, values_.DesignNumber, values_.FileName);
  bool ok = true;
  for (QWidget* w : std::initializer_list<QWidget*>{home_.get(), title_.get(), disclaimer_.get(), quit_.get(),
                                                   user_.get(), about_.get(), help_.get()}) {
    w->show();
    QCoreApplication::processEvents();
    ok = w->grab().save(QDir(dir).filePath(w->objectName() + ".png")) && ok;
    w->hide();
  }
  return ok;
}

StartUpFacts SystemFacts(const QString& commandLine) {
  StartUpFacts f;
  f.documentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
  if (f.documentsFolder.empty()) f.documentsFolder = QDir::homePath().toStdString();
  QString login = qEnvironmentVariable("USER");
  if (login.isEmpty()) login = qEnvironmentVariable("LOGNAME");
  f.loginName = login.toStdString();
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
    program.Title()->hide();
    QCoreApplication::processEvents();
    return program.Snapshot(args[1]) ? 0 : 1;
  }
  QtPlatform platform("ZORVAN for Windows");
  Application program(platform, platform);
  program.Start(SystemFacts(args.isEmpty() ? QString() : args.first()));
  return app.exec();
}

}  // namespace zorvan::ui
