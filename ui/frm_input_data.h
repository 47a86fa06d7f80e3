#pragma once
// The one-cylinder input screen: geometry, masses, speeds, pressure and
// friction of one cylinder, the linked geometry while typing, Calculate, and
// the linkage drawn and animated.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <array>
#include <memory>

#include "screen_logic/input_data.h"
#include "ui/form_screen.h"
#include "ui/linkage_animator.h"

namespace zorvan::ui {

class Application;

class FrmInputData : public FormScreen {
 public:
  explicit FrmInputData(Application& app);

  // Each activation: header, boxes from the record, the still picture.
  void Activate();
  // The animation's timer, for tests that watch it.
  QTimer& AnimationTimer() { return animator_->Timer(); }
  const InputScreenState& State() const { return state_; }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildGeometry();
  QWidget* BuildCylinder();
  QWidget* BuildChoices();
  QWidget* BuildPicture();
  void BuildMenus();
  void Wire();

  void ReadWidgets() override;
  void WriteWidgets() override;
  void AfterRun() override;

  void Calculate();
  void Animate();
  void DrawStill();
  // The user typed into a box: it is marked for reading, results go stale.
  void Edited(bool& mark, bool cylinderBox);

  InputBoxes boxes_;
  InputScreenState state_;
  InputDataLogic logic_;
  std::unique_ptr<LinkageAnimator> animator_;
  std::unique_ptr<AnimationSpeed> speed_;

  std::array<QLineEdit*, 10> linkout_{};
  std::array<QLineEdit*, 9> linkout2_{};
  std::array<QLabel*, 10> unitLeft_{};
  std::array<QLabel*, 9> unitRight_{};
  QLineEdit* rodnum_ = nullptr;
  QWidget* conrodFrame_ = nullptr;
  QLabel* bsRatio_ = nullptr;
  std::array<QRadioButton*, 4> calcType_{};
  std::array<QRadioButton*, 2> type_{}, stroke_{};
  QComboBox* arrangement_ = nullptr;
  QComboBox* wait_ = nullptr;
  QCheckBox* autoscale_ = nullptr;
  PictureBox* picture_ = nullptr;
  QPushButton *animate_ = nullptr, *done_ = nullptr;
};

// Creates the screen, wires it to the application and registers it.
void RegisterInputData(Application& app);

}  // namespace zorvan::ui
