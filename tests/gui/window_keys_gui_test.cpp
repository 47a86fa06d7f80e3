// Every window on a small screen (1280 x 800) and the keys a user reaches for:
// Escape leaves Help, About and the output screens, Alt+B is every Back, the
// arrow keys move the plot-type choice.
#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <set>

#include "tests/support/gui_app.h"

using namespace zorvan;

class WindowKeysGuiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::GuiApp> g;

  // A screen in the state its picture shows (the V8, plots with their formats), placed and shown as Show does.
  QWidget* Prepared(const ui::ScreenRegistration& s) {
    if (!s.states.empty()) s.states[0].prepare();
    else if (s.beforeShow) s.beforeShow(Modality::Modeless);
    QWidget* w = s.window.get();
    if (s.centred) ui::Application::Place(w);
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w) ? w : nullptr;
  }
  void HideAll() {
    for (const auto& s : g->app->Registered())
      if (s.id != ScreenId::Home) s.window->hide();
  }

 private slots:
  void init() {
    g = std::make_unique<test::GuiApp>();
    QVERIFY(g->app->LoadExample(5));
  }

  void everyWindowFitsItsScreen() {
    for (const auto& s : g->app->Registered()) {
      QWidget* w = Prepared(s);
      QVERIFY(w);
      QCOMPARE(w->screen()->availableGeometry().size(), QSize(1280, 800));
      QVERIFY2(w->screen()->availableGeometry().contains(w->frameGeometry()), qPrintable(w->objectName()));
      HideAll();
    }
  }

  void escapeLeavesHelpAboutAndTheOutputScreens() {
    const std::set<ScreenId> leave = {ScreenId::Help,   ScreenId::About,      ScreenId::Plot1,   ScreenId::MyPlot3,
                                      ScreenId::MyPlot4, ScreenId::Orders,    ScreenId::PowerChart, ScreenId::Phasors,
                                      ScreenId::PrintData};
    for (const auto& s : g->app->Registered()) {
      if (!leave.contains(s.id)) continue;
      QWidget* w = Prepared(s);
      QTest::keyClick(w, Qt::Key_Escape);
      QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
      HideAll();
    }
  }

  void altBIsEveryBack() {
    int backs = 0;
    for (const auto& s : g->app->Registered()) {
      for (QAbstractButton* back : s.window->findChildren<QAbstractButton*>()) {
        if (!back->text().remove('&').contains("Back")) continue;
        QWidget* w = Prepared(s);
        QSignalSpy clicked(back, &QAbstractButton::clicked);
        QTest::keyClick(w, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY2(clicked.count() == 1, qPrintable(w->objectName()));  // an animated click
        ++backs;
        HideAll();
      }
    }
    QVERIFY(backs >= 15);
  }

  void arrowsMoveThePlotTypeChoice() {
    g->app->Show(ScreenId::Plot, Modality::Modeless);
    QVERIFY(QTest::qWaitForWindowActive(g->app->Screen<QWidget>(ScreenId::Plot)));
    for (auto [key, option] : {std::pair{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 3}, {Qt::Key_Down, 3},
                               {Qt::Key_Up, 2}}) {
      QTest::keyClick(QApplication::focusWidget(), key);
      QVERIFY(g->Gui().Find<QAbstractButton>(ScreenId::Plot, QString("opt_PickPlot_%1").arg(option))->isChecked());
    }
    QVERIFY(g->Gui().Enabled(ScreenId::Plot, "cmd_PickPlotDone"));
  }
};

// The offscreen platform with one screen of 1280 x 800.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  QFile config(dir.filePath("screens.json"));
  if (!config.open(QIODevice::WriteOnly)) return 1;
  config.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280, "height": 800}]})");
  config.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config.fileName()).toUtf8());
  QApplication app(argc, argv);
  WindowKeysGuiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "window_keys_gui_test.moc"
