#pragma once
// The engine configuration screen: arrangement, cylinder count, spacing, vee
// angle, the sixteen rows of phase angles, banks and firing angles, the firing
// order, the examples, Calculate, Balance and the engine drawn and animated.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <array>
#include <memory>

#include "screen_logic/engine_data.h"
#include "ui/form_screen.h"
#include "ui/linkage_animator.h"

namespace zorvan::ui {

class Application;

class FrmEngineData : public FormScreen {
 public:
  explicit FrmEngineData(Application& app);

  void Activate();
  QTimer& AnimationTimer() { return animator_->Timer(); }
  const EngineScreenState& State() const { return state_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildEngineFrame();
  QWidget* BuildRows();
  QWidget* BuildSide();
  QWidget* BuildCommands();
  void BuildMenus();
  void Wire();
  void ReadWidgets() override;
  void WriteWidgets() override;
  void BeforeRun() override { drawnBefore_ = state_.drawEngine; }
  void AfterRun() override;
  void Back() override;

  EngineBoxes boxes_;
  EngineScreenState state_;
  EngineDataLogic logic_;
  std::unique_ptr<LinkageAnimator> animator_;
  std::unique_ptr<AnimationSpeed> speed_;
  bool drawnBefore_ = false;

  QComboBox* type_ = nullptr;
  QComboBox* examples_ = nullptr;
  QComboBox* wait_ = nullptr;
  QLineEdit *cylinders_ = nullptr, *spacing_ = nullptr, *vee_ = nullptr;
  QLabel *veeLabel_ = nullptr, *veeUnit_ = nullptr, *stroke_ = nullptr;
  std::array<QLabel*, kMaxCylinders + 1> segment_{}, bank_{};
  std::array<QLineEdit*, kMaxCylinders + 1> phase_{}, power_{}, order_{};
  PictureBox* picture_ = nullptr;
  QPushButton *calc_ = nullptr, *balance_ = nullptr, *animate_ = nullptr, *done_ = nullptr, *cancel_ = nullptr,
              *clear_ = nullptr, *print_ = nullptr, *copy_ = nullptr;
  QPushButton* phasors_ = nullptr;  // the phasor diagrams of the balance sums
  QPushButton* shafts_ = nullptr;   // the balance shafts
};

// Creates the screen, wires it to the application and registers it.
void RegisterEngineData(Application& app);

}  // namespace zorvan::ui
