#pragma once
// The orders of crank speed: the bar chart of the amplitudes per order above
// the table of coefficients, for the torques or for the shaking force and
// moment (about the engine's centre or cylinder 1's plane, and with the
// engine's balance shafts when it has them and they are asked for), with the
// chart saved or copied and the numbers copied as CSV.
#include <QCheckBox>
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
  // The design analysed: the engine with its shafts, or as it stands.
  const EngineDesignRecord& Analysed() const;

  QComboBox* subject_ = nullptr;
  QComboBox* moments_ = nullptr;
  QCheckBox* shafts_ = nullptr;
  std::unique_ptr<EngineDesignRecord> withShafts_;
  DrawingView* chart_ = nullptr;
  QPlainTextEdit* table_ = nullptr;
  std::vector<OrderColumn> columns_;
};

void RegisterOrders(Application& app);

}  // namespace zorvan::ui
