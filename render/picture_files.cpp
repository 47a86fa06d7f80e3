#include "render/picture_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <unistd.h>

#include <cctype>
#include <optional>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "files/atomic_file.h"
#include "render/painter_canvas.h"

namespace zorvan {

namespace {
void Paint(const DrawPicture& draw, QPaintDevice& device, QRectF target, double dpi) {
  QPainter painter(&device);
  PainterCanvas canvas(painter, target, dpi);
  draw(canvas);
}

DrawPicture Replayed(const RecordingCanvas& picture) {
  return [&picture](Canvas& c) { picture.Replay(c); };
}

QImage PngImage(const DrawPicture& draw, int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::white);
  Paint(draw, image, QRectF(0, 0, width, height), 96);
  return image;
}

bool SavePng(const DrawPicture& draw, const std::string& path, int width, int height) {
  return PngImage(draw, width, height).save(QString::fromStdString(path), "PNG");
}

bool SaveSvg(const DrawPicture& draw, const std::string& path, int width, int height) {
  QSvgGenerator svg;
  svg.setFileName(QString::fromStdString(path));
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(72);
  Paint(draw, svg, QRectF(0, 0, width, height), 72);
  return true;
}

bool SavePdf(const DrawPicture& draw, const std::string& path, int width, int height) {
  QPdfWriter pdf(QString::fromStdString(path));
  pdf.setResolution(1200);
  pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  const double scale = 1200.0 / 72.0;
  Paint(draw, pdf, QRectF(0, 0, width * scale, height * scale), 1200);
  return true;
}
}  // namespace

void EnsurePictureSupport() {
  if (QGuiApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A session's runtime folder, which Qt otherwise complains is missing.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::tempPath() + "/zorvan-runtime-" + QString::number(::getuid());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
  }
  static int argc = 1;
  static char name[] = "zorvan-cli";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

bool SavePicturePng(const RecordingCanvas& picture, const std::string& path, int width, int height) {
  return SavePng(Replayed(picture), path, width, height);
}

bool SavePictureSvg(const RecordingCanvas& picture, const std::string& path, int width, int height) {
  return SaveSvg(Replayed(picture), path, width, height);
}

bool SavePicturePdf(const RecordingCanvas& picture, const std::string& path, int width, int height) {
  return SavePdf(Replayed(picture), path, width, height);
}

std::optional<std::string> PictureBytes(const DrawPicture& draw, const std::string& path, int width, int height) {
  std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (ext == ".png") {
    PngImage(draw, width, height).save(&buffer, "PNG");
  } else if (ext == ".svg") {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(72);
    Paint(draw, svg, QRectF(0, 0, width, height), 72);
  } else if (ext == ".pdf") {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1200);
    pdf.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    const double scale = 1200.0 / 72.0;
    Paint(draw, pdf, QRectF(0, 0, width * scale, height * scale), 1200);
  } else {
    return std::nullopt;
  }
  buffer.close();
  return bytes.toStdString();
}

bool SavePictureFile(const DrawPicture& draw, const std::string& path, int width, int height) {
  const std::optional<std::string> bytes = PictureBytes(draw, path, width, height);
  if (!bytes) return false;
  ReplaceFileAtomically(path, *bytes);  // the old file stays until the new one is complete
  return true;
}

std::string PicturePngBytes(const DrawPicture& draw, int width, int height) {
  return PictureBytes(draw, ".png", width, height).value_or("");
}

}  // namespace zorvan
