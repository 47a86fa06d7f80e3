#pragma once
// The polar plot screen: one vector function as the path of its tip, as its
// vectors, or both (the two check boxes), with the title box, the design
// summary, the engine's header lines, the peak and mean magnitude, a value
// cursor, and the picture and numbers to save or copy.
#include <QCheckBox>
#include <QLabel>
#include <QTimer>
#include <array>

#include "plots/polar_plot.h"
#include "ui/chart_view.h"
#include "ui/design_summary.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmMyPlot4 : public FormScreen {
 public:
  explicit FrmMyPlot4(Application& app);
  // Each activation: set up from the selection and drawn.
  void Activate();
  const PolarPlotModel& Model() const { return model_; }
  ChartView* View() const { return view_; }
  int16_t Mode() const { return mode_; }

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;
  void Back() override;

 private:
  void MyPolarPlot_Setup();
  void MyPolarPlot();
  void Redraw();

  PolarPlotModel model_;  // with the header lines, for pictures
  PolarPlotModel shown_;  // without them, for the screen
  PolarArea area_;
  int16_t mode_ = kPolarNone;          // what the last drawing drew
  bool envelope_ = true, vectors_ = false;  // the check boxes: first shown with the tip path
  ChartView* view_ = nullptr;
  DesignSummary summary_;
  QLabel *title_ = nullptr, *units_ = nullptr, *peak_ = nullptr, *mean_ = nullptr;
  QCheckBox *chkEnvelope_ = nullptr, *chkVectors_ = nullptr;
  QTimer redrawTimer_;
};

void RegisterMyPlot4(Application& app);

}  // namespace zorvan::ui
