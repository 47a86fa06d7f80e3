#pragma once
// The table on the screen ("Multiprint"): the chosen columns over crank
// angle in the grid grd_Data, with their headings, the Min and Max rows, the
// engine's header lines and the design summary.
#include <QLabel>
#include <QTableWidget>
#include <array>

#include "plots/print_table.h"
#include "ui/design_summary.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmPrintData : public FormScreen {
 public:
  explicit FrmPrintData(Application& app);

  // Each activation: the table of the current selection and print settings.
  void Activate();
  const PrintTable& Table() const { return table_; }

 protected:
  void ReadWidgets() override {}
  void WriteWidgets() override;
  void Back() override;

 private:
  void FillGrid();

  PrintTable table_;
  QTableWidget* grid_ = nullptr;
  DesignSummary summary_;
  int previousRows_ = 0;
};

void RegisterPrintData(Application& app);

}  // namespace zorvan::ui
