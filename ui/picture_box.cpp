#include "ui/picture_box.h"

#include <QPainter>
#include <algorithm>

#include "render/painter_canvas.h"

namespace zorvan::ui {

PictureBox::PictureBox(QWidget* parent, const char* name) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 200);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  QRectF area(rect());
  if (keepSquare_) {
    const double side = std::min(area.width(), area.height());
    area = QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
  }
  PainterCanvas canvas(painter, area, logicalDpiX());
  picture_.Replay(canvas);
}

}  // namespace zorvan::ui
