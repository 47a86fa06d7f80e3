#pragma once
// The orders of crank speed: the bar chart of the amplitudes per order above
// the table of coefficients, for the torques or for the shaking force and
// moment, with the chart saved or copied and the numbers copied as CSV.
#include <QComboBox>
#include <QPlainTextEdit>

#include "core/orders.h"
#include "ui/drawing_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmOrders : public FormScreen {
 public:
  explicit FrmOrders(Application& app);
  // Each activation: the analysis of the current results.
  void Activate();
  const std::vector<OrderColumn>& Columns() const { return columns_; }

 protected:
  void ReadWidgets() override {}
  void WriteWidgets() override;

 private:
  void BuildMenus();
  void Analyse();
  OrderSubject Subject() const;

  QComboBox* subject_ = nullptr;
  DrawingView* chart_ = nullptr;
  QPlainTextEdit* table_ = nullptr;
  std::vector<OrderColumn> columns_;
};

void RegisterOrders(Application& app);

}  // namespace zorvan::ui
