#pragma once
// A plot on the screen: the plot model drawn by the plot painter at the
// widget's own size, a value cursor that follows the pointer (the row nearest
// to it), and a context menu to save or copy the picture and its numbers.
#include <QWidget>
#include <functional>
#include <vector>

#include "plots/plot_model.h"
#include "plots/plot_painter.h"

namespace zorvan::ui {

class PlotView : public QWidget {
 public:
  PlotView(QWidget* parent, const char* name);
  void SetModel(PlotModel model);
  const PlotModel& Model() const { return model_; }
  // The row the cursor marks, -1 for none.
  int CursorRow() const { return cursor_; }
  void SetCursorRow(int row);
  // The actions of the context menu (Save Image…, Copy Image, Copy Data, Save Data…).
  QList<QAction*> PlotActions() const { return actions_; }
  // What the actions call, set by the screen.
  std::function<void()> onSaveImage, onCopyImage, onCopyData, onSaveData;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  PlotModel model_;
  std::vector<PlotArea> areas_;
  int cursor_ = -1;
  QList<QAction*> actions_;
};

}  // namespace zorvan::ui
