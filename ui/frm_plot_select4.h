#pragma once
// The polar selection screen: one list of the vector functions, the chosen
// one in the "Plot 1" box, and the coordinate system for the crankpin and
// main-bearing forces.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "plots/polar_select_logic.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmPlotSelect4 : public FormScreen {
 public:
  explicit FrmPlotSelect4(Application& app);
  // Each activation: the list filled for the design's results, "Global" again.
  void Activate();
  // The next activation is the plot's Back: the function chosen stays.
  void KeepChoices() { keep_ = true; }
  const PolarSelectBoxes& Boxes() const { return boxes_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void ReadWidgets() override;
  void WriteWidgets() override;
  void AfterRun() override;
  void Back() override;

 private:
  void Next();

  PolarSelectBoxes boxes_;
  PolarSelectLogic logic_;
  bool keep_ = false;
  QComboBox* var_ = nullptr;
  QLabel* function_ = nullptr;
  QGroupBox* coordFrame_ = nullptr;
  std::array<QRadioButton*, 2> coord_{};
  QPushButton *clear_ = nullptr, *done_ = nullptr;
};

void RegisterPlotSelect4(Application& app);

}  // namespace zorvan::ui
