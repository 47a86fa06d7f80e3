#pragma once
// The crankshaft's torsional vibration: the station table (edited, taken
// into the design by Calculate, back to the design's defaults by Defaults),
// the modal damping, the report of the analysis, and one picture at a time:
// the mode shapes, the Campbell diagram or the forced response, with the
// plots' value cursor, Save Image, Copy Image and Copy Data.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "core/torsional.h"
#include "plots/torsional_plots.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmTorsional : public FormScreen {
 public:
  explicit FrmTorsional(Application& app);
  // Each activation: the analysis of the design's shaft, the table refilled.
  void Activate();
  const TorsionalResult& Result() const { return result_; }
  ChartView* View() const { return view_; }

 protected:
  void ReadWidgets() override {}
  void WriteWidgets() override;

 private:
  QWidget* BuildTable();
  void Analyse();
  void Calculate();
  void Defaults();
  void AddStation();
  void RemoveStation();
  void ShowPicture();
  std::string PictureCsv() const;

  QTableWidget* table_ = nullptr;
  QLabel* source_ = nullptr;
  QLineEdit* damping_ = nullptr;
  QPlainTextEdit* report_ = nullptr;
  QComboBox *picture_ = nullptr, *response_ = nullptr;
  ChartView* view_ = nullptr;
  TorsionalResult result_;
  bool analysed_ = false;
  bool keepCells_ = false;  // a refused Calculate leaves the user's cells to be put right
  double modalRatio_ = kDefaultModalRatio;
  std::vector<ResponseChoice> choices_;
};

void RegisterTorsional(Application& app);

}  // namespace zorvan::ui
