#pragma once
// The power chart screen: the firing arrangement as text beside three bar
// charts of the cylinders' power strokes (phase angles, firing angles in
// cylinder order and in firing order).
#include <QLabel>
#include <QTimer>
#include <array>

#include "plots/power_chart.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmPower : public FormScreen {
 public:
  explicit FrmPower(Application& app);
  // Each activation: drawn at once and once more when the screen has settled.
  void Activate();
  const PowerChartModel& Model() const { return model_; }

 protected:
  void ReadWidgets() override {}
  void WriteWidgets() override;

 private:
  void Redraw();
  void Draw(Canvas& c) const { PaintPowerChart(c, model_); }

  PowerChartModel model_;
  ChartView* text_ = nullptr;                // Picture1
  std::array<ChartView*, 3> charts_{};       // pct_Pict_1..3
  std::array<QLabel*, 3> titles_{};          // lbl_Title_1..3
  QTimer redrawTimer_;
};

void RegisterPower(Application& app);

}  // namespace zorvan::ui
