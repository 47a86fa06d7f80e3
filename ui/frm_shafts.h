#pragma once
// The balance shafts of the engine screen: the shafts as rows of a grid
// (order, sense, mass times radius, phase, place from the engine's centre),
// sized automatically for the first or second order or entered; Apply takes
// the rows; below, their bearing loads and the free forces and moments
// without and with them, and the polar plot of the total shaking force with
// the shafts over the one without.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "plots/polar_plot.h"
#include "screen_logic/shafts_data.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmShafts : public FormScreen {
 public:
  explicit FrmShafts(Application& app);
  // Each activation: the grid, the table and the plot of the design's shafts.
  void Activate();

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;

 private:
  QWidget* BuildGrid();
  // The rows of the grid taken as the design's shafts; one message for the
  // first bad row, and nothing changed.
  void Apply();
  // The chosen orders sized anew, the others kept.
  void Size();
  // The texts and the plot of the design as it stands.
  void Show();

  std::vector<ShaftRow> rows_;
  std::string text_;
  PolarPlotModel plot_;
  PolarArea area_;
  QComboBox* order_ = nullptr;
  QTableWidget* grid_ = nullptr;
  QPlainTextEdit* table_ = nullptr;
  ChartView* view_ = nullptr;
};

void RegisterShafts(Application& app);

}  // namespace zorvan::ui
