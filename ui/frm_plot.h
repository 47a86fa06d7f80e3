#pragma once
// The cartesian plot screens: one window with up to four curves (frm_Plot1),
// two or four windows of one curve each in the annotated style (frm_Plot2,
// frm_Plot3) or in the aligned style drawn by the program's own rules
// (frm_Myplot2, frm_MyPlot3). Each shows the title box, the design summary,
// the engine's header lines and the plot, with a value cursor, and saves or
// copies the plot's picture and numbers.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "platform/screens.h"
#include "ui/chart_view.h"
#include "ui/design_summary.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

struct PlotScreenKind {
  ScreenId id;
  const char* name;      // objectName
  int windows;           // 1, 2 or 4
  bool aligned;          // drawn by the aligned rules
  ScreenId selection;    // the selection screen Back returns to
};

class FrmPlot : public FormScreen {
 public:
  FrmPlot(Application& app, const PlotScreenKind& kind);

  // Each activation: the plot of the current selection drawn afresh.
  void Activate();
  ChartView* View() const { return view_; }

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;
  void Back() override;

 private:
  QWidget* BuildSummary();
  void Replot();
  // What the view shows, with the header lines the screen shows above it.
  PlotModel Picture() const;

  PlotScreenKind kind_;
  PlotOptions options_;
  ChartView* view_ = nullptr;
  DesignSummary summary_;
  std::array<QCheckBox*, 4> checks_{};  // chk_HGrid, chk_VGrid, chk_Line, chk_Sticks
  QTimer replotTimer_;
};

// Creates the five plot screens, wires them and registers them.
void RegisterPlots(Application& app);

}  // namespace zorvan::ui
