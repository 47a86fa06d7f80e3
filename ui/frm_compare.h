#pragma once
// The comparison panel: the figures of the current design (A) and of the
// design compared with (B, File > Compare With...) side by side with B - A,
// the moments about cylinder 1's plane or the engine's centre; the numbers
// copied or saved as CSV, as `zorvan-cli compare` prints them.
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>

#include "core/design_compare.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmCompare : public FormScreen {
 public:
  explicit FrmCompare(Application& app);
  // Each activation: the figures of both designs as they stand.
  void Activate();
  const std::vector<ComparisonRow>& Rows() const { return rows_; }

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;

 private:
  void Figures();
  std::string Csv() const;

  MomentReference reference_ = MomentReference::Cylinder1;
  std::vector<ComparisonRow> rows_;
  std::string nameA_, nameB_, note_;
  QComboBox* moments_ = nullptr;
  QLabel* names_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

void RegisterCompare(Application& app);

// For the pictures of the screens: engine preset k saved as a model file in
// the temporary folder and read as the design compared with.
void CompareWithExample(Application& app, int k);

}  // namespace zorvan::ui
