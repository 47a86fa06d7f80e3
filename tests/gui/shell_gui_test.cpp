// The desktop program driven through its real widgets, offscreen; message boxes
// and file dialogs are answered by the recording fake.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QAbstractButton>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <fstream>
#include <memory>

#include "tests/support/gui_driver.h"
#include "tests/support/recording_platform.h"
#include "ui/application.h"
#include "ui/frm_about.h"
#include "ui/frm_disclaimer.h"
#include "ui/frm_help.h"
#include "ui/frm_home_screen.h"
#include "ui/frm_quit.h"
#include "ui/frm_title.h"
#include "ui/frm_user.h"
#include "ui/qt_platform.h"

using namespace zorvan;
using zorvan::ui::Application;

class ShellGuiTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir tmp;
  std::unique_ptr<RecordingPlatform> p;
  std::unique_ptr<Application> app;

  StartUpFacts Facts(const std::string& commandLine = {}) {
    StartUpFacts f;
    f.documentsFolder = (tmp.path() + "/docs").toStdString();
    f.loginName = "ann";
    f.applicationPath = "/opt/zorvan/";
    f.commandLine = commandLine;
    return f;
  }
  void Fresh() {
    app.reset();
    p = std::make_unique<RecordingPlatform>();
    app = std::make_unique<Application>(*p, *p);
  }
  // Start-up through the title and the disclaimer to the home screen.
  void ToHome(const std::string& commandLine = {}) {
    Fresh();
    app->Start(Facts(commandLine));
    test::GuiDriver gui(*app);
    gui.Click(ScreenId::Title, "cmd_Start");
    gui.Click(ScreenId::Disclaimer, "cmd_Done");
    QTRY_VERIFY(!app->Values().StartingUp);
    p->messages.clear();
    p->dialogs.clear();
  }
  template <class W>
  static void Click(W* screen, const char* name) {
    auto* b = screen->template findChild<QPushButton*>(name);
    QVERIFY2(b, name);
    b->click();
  }
  QAction* Act(const char* name) {
    auto* a = app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChild<QAction*>(name);
    if (!a) qFatal("no action %s", name);
    return a;
  }
  QPushButton* Button(const char* name) { return app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChild<QPushButton*>(name); }
  QLabel* Label(const char* name) { return app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChild<QLabel*>(name); }
  void Trigger(const char* name) {
    QVERIFY2(Act(name)->isEnabled(), name);
    Act(name)->trigger();
  }
  std::string Path(const char* name) { return (tmp.path() + "/" + name).toStdString(); }
  std::string SavedExample(int example, const char* name) {
    Trigger(QString("mnu_examp_%1").arg(example).toUtf8().constData());
    p->paths.push_back(Path(name));
    Trigger("mnu_Saveas");
    p->messages.clear();
    p->dialogs.clear();
    return Path(name);
  }

 private slots:
  void initTestCase() {
    QVERIFY(tmp.isValid());
    qputenv("XDG_DATA_HOME", (tmp.path() + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (tmp.path() + "/config").toUtf8());
  }
  void cleanup() { app.reset(); }

  void startUpLeadsThroughTitleAndDisclaimerToHome() {
    Fresh();
    app->Start(Facts());
    QVERIFY(app->Screen<ui::FrmTitle>(ScreenId::Title)->isVisible());
    QVERIFY(!app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->isVisible());
    QCOMPARE(app->Screen<ui::FrmTitle>(ScreenId::Title)->findChild<QPushButton*>("cmd_Start")->text(), QString("&Start >"));
    QCOMPARE(app->Screen<ui::FrmTitle>(ScreenId::Title)->findChild<QPushButton*>("cmd_Abort")->text(), QString("< &Abort"));
    Click(app->Screen<ui::FrmTitle>(ScreenId::Title), "cmd_Start");
    QVERIFY(!app->Screen<ui::FrmTitle>(ScreenId::Title)->isVisible());
    QVERIFY(app->Screen<ui::FrmDisclaimer>(ScreenId::Disclaimer)->isVisible());
    QVERIFY(!app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->isVisible());
    Click(app->Screen<ui::FrmDisclaimer>(ScreenId::Disclaimer), "cmd_Done");
    QVERIFY(!app->Screen<ui::FrmDisclaimer>(ScreenId::Disclaimer)->isVisible());
    QVERIFY(app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->isVisible());
    // On screen the program is "ZORVAN"; "ZORVAN for Windows" marks only its model files.
    QCOMPARE(app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->windowTitle(), QString("ZORVAN"));
    QTRY_VERIFY(!app->Values().StartingUp);
    QCOMPARE(Label("lbl_Units")->text(), QString("in-lb-s"));
    QVERIFY(Act("mnu_pick_1")->isChecked());
  }

  void abortAsksBeforeEnding() {
    Fresh();
    app->Start(Facts());
    Click(app->Screen<ui::FrmTitle>(ScreenId::Title), "cmd_Abort");
    QVERIFY(app->Screen<ui::FrmQuit>(ScreenId::Quit)->isVisible());
    QCOMPARE(app->Screen<ui::FrmQuit>(ScreenId::Quit)->findChild<QLabel*>("lbl_Quit")->text(), QString("Do you really want to Quit?"));
    Click(app->Screen<ui::FrmQuit>(ScreenId::Quit), "cmd_NoQuit");
    QVERIFY(!app->Screen<ui::FrmQuit>(ScreenId::Quit)->isVisible());
    QVERIFY(app->Screen<ui::FrmTitle>(ScreenId::Title)->isVisible());
    QVERIFY(!app->Ended());
    Click(app->Screen<ui::FrmTitle>(ScreenId::Title), "cmd_Abort");
    Click(app->Screen<ui::FrmQuit>(ScreenId::Quit), "cmd_YesQuit");
    QVERIFY(app->Ended());
  }

  void enablingRulesFollowTheResults() {
    ToHome();
    for (const char* off : {"mnu_New", "mnu_Save", "mnu_Saveas", "mnu_Chart_0", "mnu_Chart_1", "mnu_Chart_2",
                            "mnu_Chart_5", "mnu_Chart_6", "mnu_Chart_10"})
      QVERIFY2(!Act(off)->isEnabled(), off);
    QVERIFY(!app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
    QVERIFY(Act("mnu_Open")->isEnabled());
    for (const char* b : {"cmd_Plot", "cmd_Print", "cmd_Balance", "cmd_Flywheel", "cmd_Assemble"})
      QVERIFY2(!Button(b)->isEnabled(), b);
    QVERIFY(Button("cmd_Quit")->isEnabled());
    for (int i = 0; i < 5; ++i) QVERIFY(!Label(QString("lbl_Status_%1").arg(i).toUtf8().constData())->isVisible());

    Trigger("mnu_examp_1");
    for (const char* on : {"mnu_New", "mnu_Save", "mnu_Saveas", "mnu_Chart_0", "mnu_Chart_1", "mnu_Chart_2",
                           "mnu_Chart_3", "mnu_Chart_4", "mnu_Chart_5"})
      QVERIFY2(Act(on)->isEnabled(), on);
    QVERIFY(app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChild<QMenu*>("mnu_Export")->menuAction()->isEnabled());
    QVERIFY(Act("mnu_Chart_6")->isEnabled() && Act("mnu_Chart_10")->isEnabled());  // power chart, phasors
    QCOMPARE(Label("lbl_Status_0")->text(), QString("Calculated"));
    QVERIFY(Label("lbl_Status_0")->isVisible());
    QVERIFY(Label("lbl_Status_1")->isVisible());
    QVERIFY(Label("lbl_Status_2")->isVisible());
    QVERIFY(!Label("lbl_Status_3")->isVisible());
    QVERIFY(!Label("lbl_Status_4")->isVisible());

    // A screen that exists enables its command.
    QVERIFY(Button("cmd_Plot")->isEnabled());
    QVERIFY(Button("cmd_Print")->isEnabled());
    int opened = 0;
    app->Register({ScreenId::Print, std::make_unique<QWidget>(), [&](Modality) { ++opened; }, true, {}});
    QVERIFY(Button("cmd_Print")->isEnabled());
    Button("cmd_Print")->click();
    QCOMPARE(opened, 1);
  }

  void eachUnitSystem() {
    ToHome();
    const char* names[] = {"in-lb-s", "ft-lb-s", "m-kg-N-s", "cm-kg-N-s", "mm-kg-N-s"};
    for (int u : {2, 3, 4, 5, 1}) {
      Trigger(QString("mnu_pick_%1").arg(u).toUtf8().constData());
      QCOMPARE(int(app->Design().UnitSystem), u);
      QCOMPARE(Label("lbl_Units")->text(), QString(names[u - 1]));
      for (int i = 1; i <= 5; ++i)
        QCOMPARE(Act(QString("mnu_pick_%1").arg(i).toUtf8().constData())->isChecked(), i == u);
    }
    QVERIFY(p->messages.empty());
  }

  void newWithUnsavedResultsSavesOnce() {
    ToHome();
    Trigger("mnu_examp_6");
    p->answers = {Answer::Yes, Answer::Ok};
    p->paths.push_back(Path("before_new.zrv"));
    Trigger("mnu_New");
    QCOMPARE(p->SaveDialogCount(), 1);
    QCOMPARE(p->messages[0].text,
             std::string("The current data has not been saved.  Do you want to save it before resetting?"));
    QVERIFY(std::filesystem::exists(Path("before_new.zrv")));
    QVERIFY(!app->Design().SingleResultsValid);
    QCOMPARE(int(app->Design().NumCylinders), 4);
    QVERIFY(!Act("mnu_Save")->isEnabled());
    QVERIFY(!Label("lbl_Status_0")->isVisible());
  }

  void openGoodWrongAndCancelled() {
    ToHome();
    std::string v8 = SavedExample(6, "vee8.zrv");
    Trigger("mnu_examp_1");
    p->answers = {Answer::No};
    p->paths.push_back(v8);
    Trigger("mnu_Open");
    QCOMPARE(int(app->Design().NumCylinders), 8);
    QCOMPARE(app->Values().FileName, std::string("vee8"));
    QCOMPARE(Label("lbl_Status_0")->text(), QString("DiskFile"));
    QVERIFY(!Label("lbl_Status_4")->isVisible());

    // Save after Open asks for a name.
    p->dialogs.clear();
    p->paths.push_back(Path("vee8_copy.zrv"));
    Trigger("mnu_Save");
    QCOMPARE(p->SaveDialogCount(), 1);
    QVERIFY(Label("lbl_Status_4")->isVisible());

    // A file of another kind: the message, and the design stays.
    std::ofstream(Path("other.zrv"), std::ios::binary) << "\"Something else\"\r\n\"1.0\"\r\n";
    p->messages.clear();
    p->paths.push_back(Path("other.zrv"));
    Trigger("mnu_Open");
    QCOMPARE(p->messages.size(), size_t(1));
    QCOMPARE(p->messages[0].text,
             std::string("This data file is not compatible with this version of ZORVAN for Windows. "));
    QCOMPARE(p->messages[0].icon, Icon::Question);
    QCOMPARE(int(app->Design().NumCylinders), 8);
    QCOMPARE(app->Values().FileName, std::string("vee8_copy"));

    // Cancel: nothing at all.
    p->messages.clear();
    Trigger("mnu_Open");
    QVERIFY(p->messages.empty());
    QCOMPARE(int(app->Design().NumCylinders), 8);
    QCOMPARE(app->Values().FilePath, Path("vee8_copy.zrv"));
  }

  void quitWithAndWithoutUnsavedResults() {
    ToHome();
    Button("cmd_Quit")->click();
    QVERIFY(p->dialogs.empty());
    QVERIFY(app->Screen<ui::FrmQuit>(ScreenId::Quit)->isVisible());
    Click(app->Screen<ui::FrmQuit>(ScreenId::Quit), "cmd_NoQuit");
    QVERIFY(app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->isVisible());

    Trigger("mnu_examp_3");
    p->paths.push_back(Path("at_quit.zrv"));
    app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->close();  // closing the window is a Quit
    QVERIFY(app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->isVisible());
    QCOMPARE(p->SaveDialogCount(), 1);
    QVERIFY(std::filesystem::exists(Path("at_quit.zrv")));
    QVERIFY(app->Screen<ui::FrmQuit>(ScreenId::Quit)->isVisible());
    Click(app->Screen<ui::FrmQuit>(ScreenId::Quit), "cmd_YesQuit");
    QVERIFY(app->Ended());
  }

  void userScreenRefusesAnEmptyName() {
    ToHome();
    Trigger("mnu_ChangeName");
    auto* user = app->Screen<ui::FrmUser>(ScreenId::User);
    QVERIFY(user->isVisible());
    auto* name = user->findChild<QLineEdit*>("txt_UserName");
    auto* number = user->findChild<QLineEdit*>("txt_DesignNo");
    auto* file = user->findChild<QLineEdit*>("txt_Filename");
    QCOMPARE(number->text(), QString("1"));
    QCOMPARE(file->text(), QString("Engine_1"));
    name->clear();
    user->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(user));
    user->findChild<QPushButton*>("cmd_Done")->setFocus();
    Click(user, "cmd_Done");
    QVERIFY(user->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(name));
    std::string before = app->Values().UserName;
    Click(user, "cmd_Done");
    QCOMPARE(app->Values().UserName, before);

    name->setText("Project Nine");
    number->setText("9");
    file->setText("nine");
    emit file->editingFinished();
    Click(user, "cmd_Done");
    QVERIFY(!user->isVisible());
    QCOMPARE(app->Values().UserName, std::string("Project Nine"));
    QCOMPARE(int(app->Values().DesignNumber), 9);
    QCOMPARE(app->Values().FileName, std::string("nine"));
  }

  void helpOpensEveryTopic() {
    ToHome();
    for (int t = 0; t < kMenuHelpTopicCount; ++t) {
      Trigger(QString("mnu_Help_%1").arg(t).toUtf8().constData());
      QVERIFY(app->Screen<ui::FrmHelp>(ScreenId::Help)->isVisible());
      QVERIFY2(app->Screen<ui::FrmHelp>(ScreenId::Help)->Viewer()->toPlainText().size() > 100, qPrintable(ui::HelpDocument(HelpTopic(t))));
    }
    int width = app->Screen<ui::FrmHelp>(ScreenId::Help)->width();
    app->Screen<ui::FrmHelp>(ScreenId::Help)->findChild<QAction*>("mnu_Enlarge")->trigger();
    QVERIFY(app->Screen<ui::FrmHelp>(ScreenId::Help)->width() > width);
    for (int k = 0; k < 6; ++k) app->Screen<ui::FrmHelp>(ScreenId::Help)->findChild<QAction*>("mnu_Enlarge")->trigger();
    QWidget* help = app->Screen<QWidget>(ScreenId::Help);
    QVERIFY(help->screen()->availableGeometry().contains(help->frameGeometry()));  // never beyond the screen
    app->Screen<ui::FrmHelp>(ScreenId::Help)->findChild<QAction*>("mnu_Close")->trigger();
    QVERIFY(!app->Screen<ui::FrmHelp>(ScreenId::Help)->isVisible());
  }

  void commandLineFileIsLoaded() {
    ToHome();
    std::string w12 = SavedExample(7, "w12.zrv");
    ToHome(w12);
    QCOMPARE(int(app->Design().NumCylinders), 12);
    QCOMPARE(app->Values().FileName, std::string("w12"));
    QCOMPARE(Label("lbl_Status_0")->text(), QString("DiskFile"));
  }

  // Every enabled command, in menu order, from each start state: nothing may
  // crash or block (the fake answers Yes/OK and cancels every file dialog).
  void everyEnabledCommandInTurn() {
    for (int state = 0; state < 4; ++state) {
      ToHome();
      if (state == 1) Trigger("mnu_examp_5");
      if (state == 2) SavedExample(6, "state.zrv");
      if (state == 3) ToHome(SavedExample(7, "state_w12.zrv"));
      QList<QAction*> actions = app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChildren<QAction*>();
      for (QAction* a : actions) {
        if (a->menu() || a->isSeparator() || !a->isEnabled()) continue;
        a->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!app->Ended());
      }
      for (QPushButton* b : app->Screen<ui::FrmHomeScreen>(ScreenId::Home)->findChildren<QPushButton*>())
        if (b->isEnabled()) b->click();
      QVERIFY(app->Screen<ui::FrmQuit>(ScreenId::Quit)->isVisible());
      Click(app->Screen<ui::FrmQuit>(ScreenId::Quit), "cmd_YesQuit");
      QVERIFY(app->Ended());
    }
  }

  void fileDialogFilters() {
    QCOMPARE(ui::QtFilter("ZORVAN for Windows (*.zrv)|*.zrv |  All (*.*)|*.*|"),
             QString("ZORVAN for Windows (*.zrv);;All (*.*)"));
    QCOMPARE(ui::QtFilter("(*.zrv)|*.zrv"), QString("(*.zrv)"));
    QCOMPARE(ui::QtFilter("Data|*.dat"), QString("Data (*.dat)"));
    QCOMPARE(ui::QtText("a\r\nb\rc"), QString("a\nb\nc"));
  }

  // Every window's access keys are its own: no letter twice, every menu has one.
  void accessKeysAreUniquePerWindow() {
    ToHome();
    for (int id = 0; id <= static_cast<int>(ScreenId::PlotSelect4); ++id) {
      if (!app->Available(ScreenId(id))) continue;
      QWidget* w = app->Screen<QWidget>(ScreenId(id));
      QStringList keys;
      auto add = [&](const QString& text, bool required) {
        const int amp = text.indexOf('&');
        if (amp < 0 || amp + 1 >= text.size()) {
          QVERIFY2(!required, qPrintable(w->objectName() + ": " + text));
          return;
        }
        const QString key = text.mid(amp + 1, 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(w->objectName() + ": " + text));
        keys << key;
      };
      for (auto* b : w->findChildren<QAbstractButton*>()) add(b->text(), false);
      if (auto* bar = w->findChild<QMenuBar*>())
        for (QAction* a : bar->actions()) add(a->text(), true);
    }
  }

  // A screen's close button is its Back: the program goes on, home is in
  // front; Help opened from a modal screen comes in front and takes the input.
  void windowsBehaveAsDesktopWindows() {
    ToHome();
    test::GuiDriver gui(*app);
    gui.Click(ScreenId::Home, "cmd_Input");
    QWidget* input = app->Screen<QWidget>(ScreenId::Input);
    gui.Trigger(ScreenId::Input, "mnu_Help");
    QWidget* help = app->Screen<QWidget>(ScreenId::Help);
    QVERIFY(help->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), help);
    help->close();
    QCOMPARE(QApplication::activeModalWidget(), input);
    input->close();
    QVERIFY(!input->isVisible());
    app->Show(ScreenId::Assemble, Modality::Modeless);
    app->Screen<QWidget>(ScreenId::Home)->hide();  // as Assemble leaves it
    app->Screen<QWidget>(ScreenId::Assemble)->close();
    QVERIFY(!app->Ended());
    QVERIFY(app->Screen<QWidget>(ScreenId::Home)->isVisible());
    QVERIFY(p->messages.empty());
  }

  // Alt with the key of a disabled command types nothing into a box; the
  // usual shortcuts are there.
  void keysNeverTypeIntoBoxes() {
    ToHome();
    test::GuiDriver gui(*app);
    gui.Click(ScreenId::Home, "cmd_Input");
    auto* box = gui.Find<QLineEdit>(ScreenId::Input, "txt_Linkout_1");
    QVERIFY(!gui.Enabled(ScreenId::Input, "cmd_Done"));
    const QString before = box->text();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_R, Qt::AltModifier);
    QCOMPARE(box->text(), before);
    QCOMPARE(gui.Find<QAction>(ScreenId::Home, "mnu_Save")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(gui.Find<QAction>(ScreenId::Home, "mnu_Quit")->shortcut(), QKeySequence("Ctrl+Q"));
    QCOMPARE(gui.Find<QAction>(ScreenId::Input, "mnu_Help")->shortcut(), QKeySequence(QKeySequence::HelpContents));
  }

  void snapshotWritesEveryScreen() {
    ToHome();
    QString dir = tmp.path() + "/snap";
    QVERIFY(app->Snapshot(dir));
    for (const char* name :
         {"frm_HomeScreen", "frm_Title", "frm_Disclaimer", "frm_Quit", "frm_User", "frm_About", "frm_Help",
          "frm_PlotType", "frm_PlotSelect1", "frm_PlotSelect2", "frm_PlotSelect3"}) {
      QImage image(dir + "/" + name + ".png");
      QVERIFY2(!image.isNull(), name);
      QVERIFY(image.width() >= 300 && image.height() >= 120);
    }
  }
};

QTEST_MAIN(ShellGuiTest)
#include "shell_gui_test.moc"
