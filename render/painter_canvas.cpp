#include "render/painter_canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

namespace zorvan {

namespace {
QColor QtColour(Rgb c) { return QColor(c.r, c.g, c.b); }

// Device coordinates beyond this no longer rasterise reliably.
constexpr double kDeviceLimit = 1e9;
}  // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QRectF target, double dotsPerInch)
    : painter_(painter), target_(target), view_(target), dpi_(dotsPerInch > 0 ? dotsPerInch : 96) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  Scale(0, 0, target.width(), target.height());
}

bool PainterCanvas::CanScale(double left, double top, double right, double bottom) const {
  const double w = right - left, h = bottom - top;
  if (!std::isfinite(w) || !std::isfinite(h) || w == 0 || h == 0) return false;
  const double sx = view_.width() / w, sy = view_.height() / h;
  // The scale must be representable both ways: no span so small that a
  // unit covers more than the device can address, none so large it vanishes.
  return std::isfinite(sx) && std::isfinite(sy) && std::fabs(sx) < kDeviceLimit && std::fabs(sy) < kDeviceLimit &&
         std::fabs(sx) > 1e-300 && std::fabs(sy) > 1e-300;
}

void PainterCanvas::Scale(double left, double top, double right, double bottom) {
  if (!CanScale(left, top, right, bottom)) return;
  left_ = left;
  top_ = top;
  sx_ = view_.width() / (right - left);
  sy_ = view_.height() / (bottom - top);
}

void PainterCanvas::Viewport(double x, double y, double w, double h) {
  const double k = dpi_ / 72.0;
  if (w <= 0 || h <= 0) {
    view_ = target_;
    painter_.setClipping(false);
  } else {
    view_ = QRectF(target_.left() + x * k, target_.top() + y * k, w * k, h * k);
    painter_.setClipRect(view_);
  }
}

double PainterCanvas::TextWidthPt(const std::string& text, double sizePt) const {
  QFont font = painter_.font();
  font.setPointSizeF(sizePt > 0 ? sizePt : 9);
  const double device = QFontMetricsF(font, painter_.device()).horizontalAdvance(QString::fromStdString(text));
  return device * 72.0 / dpi_;
}

QPointF PainterCanvas::Map(double x, double y) const {
  return {view_.left() + (x - left_) * sx_, view_.top() + (y - top_) * sy_};
}

QPen PainterCanvas::QtPen(const Pen& pen) const {
  QPen p(QtColour(pen.colour));
  p.setWidthF(std::max(pen.widthPt * dpi_ / 72.0, 1.0));
  switch (pen.dash) {
    case Dash::Solid: p.setStyle(Qt::SolidLine); break;
    case Dash::Dashed: p.setStyle(Qt::DashLine); break;
    case Dash::Dotted: p.setStyle(Qt::DotLine); break;
    case Dash::DashDot: p.setStyle(Qt::DashDotLine); break;
    case Dash::DashDotDot: p.setStyle(Qt::DashDotDotLine); break;
  }
  return p;
}

void PainterCanvas::Clear(Rgb background) { painter_.fillRect(view_, QtColour(background)); }

void PainterCanvas::Point(double x, double y, Rgb colour) {
  current_ = Map(x, y);
  painter_.setPen(QtPen({colour, 1.0, Dash::Solid}));
  painter_.drawPoint(current_);
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2, const Pen& pen) {
  current_ = Map(x1, y1);
  LineTo(x2, y2, pen);
}

void PainterCanvas::LineTo(double x, double y, const Pen& pen) {
  const QPointF to = Map(x, y);
  painter_.setPen(QtPen(pen));
  painter_.drawLine(current_, to);
  current_ = to;
}

void PainterCanvas::Box(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) {
  const QRectF r = QRectF(Map(x1, y1), Map(x2, y2)).normalized();
  painter_.setPen(QtPen(pen));
  painter_.setBrush(filled ? QBrush(QtColour(pen.colour)) : Qt::NoBrush);
  painter_.drawRect(r);
  painter_.setBrush(Qt::NoBrush);
  current_ = Map(x2, y2);
}

void PainterCanvas::Circle(double x, double y, double r, const Pen& pen) {
  const double radius = std::fabs(r * sx_);
  painter_.setPen(QtPen(pen));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawEllipse(Map(x, y), radius, radius);
  current_ = Map(x, y);
}

void PainterCanvas::Text(double x, double y, const std::string& text, Rgb colour, double sizePt, Align align) {
  QFont font = painter_.font();
  font.setPointSizeF(sizePt > 0 ? sizePt : 9);
  painter_.setFont(font);
  painter_.setPen(QtColour(colour));
  const QString s = QString::fromStdString(text);
  // Font sizes are in points of the painter's device.
  const double width = QFontMetricsF(font, painter_.device()).horizontalAdvance(s);
  QPointF at = Map(x, y);
  if (align == Align::Centre) at.rx() -= width / 2;
  if (align == Align::Right) at.rx() -= width;
  painter_.drawText(at, s);
  current_ = Map(x, y);
}

}  // namespace zorvan
