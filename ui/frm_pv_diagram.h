#pragma once
// The p-V diagram screen: the pressure in use (the built-in curve or the
// measured trace) against cylinder volume, on linear or log-log axes; the
// compression ratio gives the clearance volume and is remembered with a trace.
#include <QCheckBox>
#include <QLineEdit>
#include <optional>

#include "plots/pv_diagram.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmPvDiagram : public FormScreen {
 public:
  explicit FrmPvDiagram(Application& app);
  void Activate();
  const PvDiagram& Model() const { return model_; }

 protected:
  void ReadWidgets() override {}  // the boxes are taken when the diagram is drawn
  void WriteWidgets() override;

 private:
  // Takes the boxes the user changed; false after a message (the typed text
  // kept to be put right) when they cannot be drawn so.
  bool TakeBoxes();
  void Redraw();  // after the user's change
  void Draw();
  // The trace's own ratio, else the one last entered here.
  std::optional<double> RatioInUse() const;

  PvDiagram model_;
  bool drawn_ = false;
  bool keepBox_ = false;
  std::optional<double> ratio_;  // the last entered; a trace keeps its own
  QCheckBox* logScale_ = nullptr;
  QLineEdit* ratioBox_ = nullptr;
  ChartView* view_ = nullptr;
};

void RegisterPvDiagram(Application& app);

}  // namespace zorvan::ui
