#pragma once
// The flywheel screen: the coefficient of fluctuation, the energy of the
// torque pulses, the torque without and with a flywheel (extremes and plots),
// the flywheel's energy swing and moment of inertia, and the design summary.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <array>

#include "core/flywheel.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmFlywheel : public FormScreen {
 public:
  explicit FrmFlywheel(Application& app);

  // Each activation: the coefficient shown, then Calculate.
  void Activate();
  const FlywheelResult& Result() const { return result_; }
  ChartView* View(int i) const { return views_[i]; }

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;
  void Back() override;

 private:
  // cmd_Calc: the flywheel calculation, the plots and the results.
  void Calculate();
  void CoefficientLeft();

  FlywheelResult result_;
  std::vector<std::string> energyTable_;  // as the calculation left it
  bool calculated_ = false, graphsShown_ = false, doneEnabled_ = false;
  std::string coefText_;
  QLineEdit* coef_ = nullptr;
  QLabel *table_ = nullptr, *summary_ = nullptr, *size_ = nullptr;
  QScrollArea* summaryArea_ = nullptr;  // scrolls the summary sideways
  std::array<QLabel*, 4> torque_{}, unit_{};
  std::array<ChartView*, 2> views_{};
  QPushButton* done_ = nullptr;
};

void RegisterFlywheel(Application& app);

}  // namespace zorvan::ui
