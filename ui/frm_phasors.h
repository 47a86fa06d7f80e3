#pragma once
// The phasor diagrams: for harmonic orders 1 and 2 and each cylinder set of
// the engine, the cylinders' force or moment vectors head to tail and their
// resultant, the balance notices' sums drawn.
#include <QRadioButton>
#include <array>

#include "plots/phasors.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmPhasors : public FormScreen {
 public:
  explicit FrmPhasors(Application& app);
  void Activate();
  const PhasorModel& Model() const { return model_; }

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;

 private:
  void Redraw();

  PhasorModel model_;
  int kind_ = kPhasorForces;
  ChartView* view_ = nullptr;
  std::array<QRadioButton*, 2> kindOption_{};  // opt_Kind_0 forces, _1 moments
};

void RegisterPhasors(Application& app);

}  // namespace zorvan::ui
