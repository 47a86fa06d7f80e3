#pragma once
// The linkage picture of the input and engine screens: the still picture and
// the animation, stepped by a timer so the window stays responsive.
#include <QTimer>
#include <functional>

#include "plots/linkage.h"
#include "ui/picture_box.h"

namespace zorvan::ui {

class LinkageAnimator {
 public:
  LinkageAnimator(PictureBox& picture, const EngineDesignRecord& d, Ui& ui);

  // The still picture when `show`, else a cleared picture; stops a run.
  void DrawStill(bool show);
  // Runs the animation from its first frame (again, if it was running).
  void Run(int speedRange, int animationDelay);
  void Stop() { timer_.stop(); }
  QTimer& Timer() { return timer_; }
  // When a run has ended by itself on a visible screen, `done` is enabled and focused.
  void EnableWhenFinished(QWidget* screen, QWidget* done);

 private:
  void Step();

  PictureBox& picture_;
  const EngineDesignRecord& d_;
  Ui& ui_;
  LinkageAnimation animation_;
  QTimer timer_;
  std::function<void()> onFinished_;
};

}  // namespace zorvan::ui
