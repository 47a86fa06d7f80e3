#pragma once
// The balancing screen: the throw's masses and radius, the counterweight
// that balances it, rods per crank, and the polar comparison of the shaking
// force without and with the counterweight.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "screen_logic/balance_data.h"
#include "plots/balance_plot.h"
#include "ui/form_screen.h"
#include "ui/picture_box.h"

namespace zorvan::ui {

class FrmBalance : public FormScreen {
 public:
  explicit FrmBalance(Application& app);

  // Each activation: filled from the record, the unbalanced curve drawn.
  void Activate();
  const BalancePlot& Plot() const { return plot_; }

 protected:
  void ReadWidgets() override;
  void WriteWidgets() override;
  void AfterRun() override;
  void Back() override;

 private:
  QWidget* BuildData();
  QWidget* BuildPlot();
  void Redraw();

  BalanceBoxes boxes_;
  BalanceLogic logic_;
  BalancePlot plot_;
  std::array<QLabel*, 4> massA_{}, massB_{};
  std::array<QLabel*, 10> units_{};
  QLabel *radius_ = nullptr, *mr2_ = nullptr, *ang2_ = nullptr;
  QLineEdit *rodnum_ = nullptr, *mass_ = nullptr, *rad_ = nullptr, *angle_ = nullptr;
  PictureBox* picture_ = nullptr;
  QLabel *title_ = nullptr, *xmax_ = nullptr, *xmin_ = nullptr, *ymax_ = nullptr, *ymin_ = nullptr;
  QLabel *unbal_ = nullptr, *bal_ = nullptr, *force_ = nullptr, *max_ = nullptr;
  QPushButton *calc_ = nullptr, *done_ = nullptr, *copy_ = nullptr, *print_ = nullptr;
};

void RegisterBalance(Application& app);

}  // namespace zorvan::ui
