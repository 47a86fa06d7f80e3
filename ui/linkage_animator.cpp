#include "ui/linkage_animator.h"

namespace zorvan::ui {

LinkageAnimator::LinkageAnimator(PictureBox& picture, const EngineDesignRecord& d, Ui& ui)
    : picture_(picture), d_(d), ui_(ui), animation_(d) {
  QObject::connect(&timer_, &QTimer::timeout, &picture_, [this] { Step(); });
}

void LinkageAnimator::DrawStill(bool show) {
  timer_.stop();
  picture_.Picture().Reset();
  if (show) DrawLinkageStill(picture_.Picture(), d_, ui_);
  picture_.update();
}

void LinkageAnimator::Run(int speedRange, int animationDelay) {
  timer_.stop();
  animation_.Restart();
  timer_.setInterval(FrameIntervalMs(speedRange, animationDelay));
  Step();
  if (animation_.Running()) timer_.start();
}

void LinkageAnimator::Step() {
  const bool going = animation_.StepPicture(picture_.Picture(), ui_);
  picture_.update();
  if (going) return;
  timer_.stop();
  if (onFinished_) onFinished_();
}

void LinkageAnimator::EnableWhenFinished(QWidget* screen, QWidget* done) {
  onFinished_ = [screen, done] {
    if (!screen->isVisible()) return;
    done->setEnabled(true);
    done->setFocus();
  };
}

}  // namespace zorvan::ui
