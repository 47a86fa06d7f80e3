#pragma once
// The plot-type screen: one window with up to four functions, two windows,
// four windows or a polar plot, each beside a small picture of its layout.
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "plots/plot_select_logic.h"
#include "ui/form_screen.h"
#include "ui/picture_box.h"

namespace zorvan::ui {

class Application;

class FrmPlotType : public FormScreen {
 public:
  explicit FrmPlotType(Application& app);
  // Each activation: header, caption, the polar choice when its screen exists.
  void Activate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReadWidgets() override {}
  void WriteWidgets() override;
  void Pick(int option);
  void Next();

  PlotTypeBoxes boxes_;
  PlotTypeLogic logic_;
  std::array<QRadioButton*, 4> option_{};
  std::array<PictureBox*, 4> picture_{};
  QPushButton* next_ = nullptr;
};

// The small pictures of the four layouts, drawn on a canvas.
void DrawPlotLayout(Canvas& c, int option);

// Creates the screen, wires it to the application and registers it.
void RegisterPlotType(Application& app);

}  // namespace zorvan::ui
