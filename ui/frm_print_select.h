#pragma once
// The print selection: up to four result columns chosen as on the four-slot
// plot selection (preset formats or "Mix and Match"), the coordinate system,
// where the table goes (screen, printer, data file), the print step and the
// decimals.
#include <QComboBox>
#include <QRadioButton>
#include <array>

#include "plots/print_table.h"
#include "ui/frm_plot_select.h"

namespace zorvan::ui {

class FrmPrintSelect : public FrmPlotSelect {
 public:
  explicit FrmPrintSelect(Application& app);

  // Each activation: the selection screen's, and "Screen" as the target.
  void Activate();
  // The choices of the last Next, kept while the program runs.
  const PrintSettings& Settings() const { return settings_; }
  void SetSettings(const PrintSettings& s) { settings_ = s; }

 protected:
  void Next() override;
  // cmd_Cancel: only hides the screen.
  void Back() override;

 private:
  QWidget* BuildOutput();
  // The table to the chosen target.
  void Output();

  std::array<QRadioButton*, 3> whereto_{};
  QComboBox *step_ = nullptr, *decimals_ = nullptr;
  PrintSettings settings_;
};

void RegisterPrintSelect(Application& app);

}  // namespace zorvan::ui
