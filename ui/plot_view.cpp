#include "ui/plot_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include "render/painter_canvas.h"

namespace zorvan::ui {

PlotView::PlotView(QWidget* parent, const char* name) : QWidget(parent) {
  setObjectName(name);
  setMouseTracking(true);
  setMinimumSize(200, 150);
  auto add = [this](const char* objectName, const QString& text, std::function<void()>* call) {
    auto* a = new QAction(text, this);
    a->setObjectName(objectName);
    connect(a, &QAction::triggered, this, [call] {
      if (*call) (*call)();
    });
    actions_ << a;
  };
  add("mnu_SaveImage", "Save &Image...", &onSaveImage);
  add("mnu_CopyImage", "Copy I&mage", &onCopyImage);
  add("mnu_CopyData", "Copy &Data", &onCopyData);
  add("mnu_SaveData", "Save D&ata...", &onSaveData);
}

void PlotView::SetModel(PlotModel model) {
  model_ = std::move(model);
  update();
}

void PlotView::SetCursorRow(int row) {
  if (row == cursor_) return;
  cursor_ = row;
  update();
}

void PlotView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Points are pixels at the screen's 96 dots per inch.
  PainterCanvas canvas(painter, QRectF(rect()), 72);
  areas_ = PaintPlot(canvas, model_, cursor_);
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  SetCursorRow(PlotRowAt(areas_, event->position().x(), event->position().y()));
}

void PlotView::leaveEvent(QEvent*) { SetCursorRow(-1); }

void PlotView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(actions_);
  menu.exec(event->globalPos());
}

}  // namespace zorvan::ui
