#include "ui/drawing_view.h"

#include <QPainter>

#include "render/painter_canvas.h"

namespace zorvan::ui {

DrawingView::DrawingView(QWidget* parent, const char* name) : QWidget(parent) {
  setObjectName(name);
  setMinimumSize(200, 150);
}

void DrawingView::SetDrawing(DrawPicture draw) {
  draw_ = std::move(draw);
  update();
}

void DrawingView::paintEvent(QPaintEvent*) {
  if (!draw_) return;
  QPainter painter(this);
  PainterCanvas canvas(painter, QRectF(rect()), 72);  // points are pixels on the screen
  draw_(canvas);
}

}  // namespace zorvan::ui
