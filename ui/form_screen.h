#pragma once
// The frame every form screen is built on. A user action runs as one cycle:
// the widgets' texts are copied into the screen's boxes, the screen's logic
// (in screen_logic/ or plots/, without Qt) works on the record and the boxes, and
// the boxes and state are written back to the widgets. While the widgets are
// being filled their signals are not the user's edits, so the cycle does not
// answer them. The frame also selects a box's text when it gains the focus,
// leads back to the home screen, and prints the form under its own name.
// It builds what the screens share: the row of commands, the Help menu, the
// Graph menu of a chart.
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/screens.h"

namespace zorvan::ui {

class Application;
class LinkageAnimator;
class PictureBox;

// One command of a screen's row: the button `name` with its caption (& before
// its access key) and what a click runs (none when the screen wires it
// itself), stored in `*keep` when the screen uses the button later. A
// command without a name is the row's stretch.
struct Command {
  const char* name = nullptr;
  const char* caption = nullptr;
  std::function<void()> run;
  QPushButton** keep = nullptr;
};
inline Command Stretch() { return {}; }

class FormScreen : public QMainWindow {
 public:
  FormScreen(Application& app, const char* name);
  ~FormScreen() override;

 protected:
  // The widgets into the screen's boxes, and the boxes and state back.
  virtual void ReadWidgets() = 0;
  virtual void WriteWidgets() = 0;
  // Around each procedure, for what the screen redraws after it.
  virtual void BeforeRun() {}
  virtual void AfterRun() {}

  template <class F>
  void Run(F&& procedure) {
    ReadWidgets();
    BeforeRun();
    procedure();
    Refill();
    AfterRun();
    DesignTouched();
  }
  // The other screens of results learn that the design may have changed.
  void DesignTouched();
  // The widgets written from the boxes, their signals unanswered meanwhile.
  void Refill() {
    Filling filling(*this);
    WriteWidgets();
  }
  // Runs the procedure when the user leaves the box (or presses Enter).
  void OnLeave(QLineEdit* box, std::function<void()> procedure);

  // While the widgets are filled from the boxes: their signals are no edits.
  class Filling {
   public:
    explicit Filling(FormScreen& s) : s_(s), was_(s.filling_) { s_.filling_ = true; }
    ~Filling() { s_.filling_ = was_; }

   private:
    FormScreen& s_;
    bool was_;
  };
  bool IsFilling() const { return filling_; }

  // The window's body: the header caption (lbl_Header) above the screen's
  // own layout, its row of commands below. The layout scrolls where the
  // screen the window opens on is too small for it.
  void Lay(QLayout* body, QWidget* commands);
  // The row of commands, left to right, for Lay.
  QWidget* CommandRow(std::initializer_list<Command> commands);
  // The window's Help menu (mnu_HelpMenu) with its one page (mnu_Help, F1):
  // the topic shown, a failure reported under `procedure`.
  void HelpMenu(const char* caption, std::string procedure, HelpTopic topic);
  // The window's Graph menu (mnu_Graph) holding a chart view's actions.
  void GraphMenu(const QList<QAction*>& actions);
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Hides the screen and shows the home screen, refreshed.
  void ReturnHome();
  // The screen's "< Back"; the window's close button does the same, so
  // closing a screen never ends the program.
  virtual void Back() { hide(); }
  void closeEvent(QCloseEvent* event) override;
  // Escape does what Back does (the output screens ask for it).
  void EscapeGoesBack() { escapeBack_ = true; }
  void keyPressEvent(QKeyEvent* event) override;
  // The linkage animation of a picture box, enabling `done` when a run ends by itself.
  std::unique_ptr<LinkageAnimator> MakeAnimator(PictureBox& picture, QWidget* done);
  // Print Form, with its failures reported as "<screen>.PrintForm".
  void PrintThisForm();

  Application& app_;

 private:
  bool filling_ = false;
  bool escapeBack_ = false;
};

// The speed controls of the animated screens: the slider (0..32767, its
// position giving the pause between frames) and the list of its ranges.
class AnimationSpeed {
 public:
  AnimationSpeed(QObject* screen, QSlider* slider, QComboBox* ranges, int& delay, int& range);
  // Each activation: the range the list shows, the slider where the last run left it.
  void Restore();
  // Runs the animation at the slider's speed.
  void Start(LinkageAnimator& animator);

 private:
  QSlider* slider_;
  QComboBox* ranges_;
  int& delay_;
  int& range_;
};

}  // namespace zorvan::ui
