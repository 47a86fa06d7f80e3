#include "render/picture_files.h"

#include <QImage>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "render/painter_canvas.h"

namespace zorvan {

namespace {
void Paint(const RecordingCanvas& picture, QPaintDevice& device, QRectF target, double dpi) {
  QPainter painter(&device);
  PainterCanvas canvas(painter, target, dpi);
  picture.Replay(canvas);
}
}  // namespace

bool SavePicturePng(const RecordingCanvas& picture, const std::string& path, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  Paint(picture, image, QRectF(0, 0, width, height), 96);
  return image.save(QString::fromStdString(path), "PNG");
}

bool SavePictureSvg(const RecordingCanvas& picture, const std::string& path, int width, int height) {
  QSvgGenerator svg;
  svg.setFileName(QString::fromStdString(path));
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(72);
  Paint(picture, svg, QRectF(0, 0, width, height), 72);
  return true;
}

bool SavePicturePdf(const RecordingCanvas& picture, const std::string& path, int width, int height) {
  QPdfWriter pdf(QString::fromStdString(path));
  pdf.setResolution(1200);
  pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  const double scale = 1200.0 / 72.0;
  Paint(picture, pdf, QRectF(0, 0, width * scale, height * scale), 1200);
  return true;
}

}  // namespace zorvan
