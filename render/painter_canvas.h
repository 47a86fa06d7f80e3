#pragma once
// The canvas painted with QPainter: on a widget, an image (PNG), an SVG
// generator, a PDF writer or a printer alike. User coordinates map onto the
// painter's target rectangle; pen widths are points at the target's
// resolution.
#include <QPainter>
#include <QRectF>

#include "platform/canvas.h"

namespace zorvan {

class PainterCanvas : public Canvas {
 public:
  // dotsPerInch: the resolution of the painter's device (96 for a screen).
  PainterCanvas(QPainter& painter, QRectF target, double dotsPerInch);

  bool CanScale(double left, double top, double right, double bottom) const override;
  void Scale(double left, double top, double right, double bottom) override;
  void Clear(Rgb background) override;
  void Point(double x, double y, Rgb colour) override;
  void Line(double x1, double y1, double x2, double y2, const Pen& pen) override;
  void LineTo(double x, double y, const Pen& pen) override;
  void Box(double x1, double y1, double x2, double y2, const Pen& pen, bool filled) override;
  void Circle(double x, double y, double r, const Pen& pen) override;
  void Text(double x, double y, const std::string& text, Rgb colour, double sizePt, Align align) override;
  double WidthPt() const override { return target_.width() * 72.0 / dpi_; }
  double HeightPt() const override { return target_.height() * 72.0 / dpi_; }
  void Viewport(double x, double y, double w, double h) override;
  double TextWidthPt(const std::string& text, double sizePt) const override;

  // A user point on the device.
  QPointF Map(double x, double y) const;

 private:
  QPen QtPen(const Pen& pen) const;

  QPainter& painter_;
  QRectF target_;
  QRectF view_;  // the viewport: Scale maps onto it
  double dpi_;
  double left_ = 0, top_ = 0, sx_ = 1, sy_ = 1;
  QPointF current_;
};

}  // namespace zorvan
