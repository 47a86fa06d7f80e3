#include "render/zone_printer.h"

#include <QPageLayout>
#include <QPdfWriter>

#include "core/runtime_error.h"
#include "files/atomic_file.h"

namespace zorvan {

void PagedZonePrinter::Start(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(54, 36, 36, 36)));
  if (!painter_.begin(&device)) RaiseError(err::DeviceIO);
  device_ = &device;
  font_ = QFont("Courier New");
  font_.setStyleHint(QFont::TypeWriter);
  font_.setFixedPitch(true);
  font_.setPointSizeF(8.5);
  painter_.setFont(font_);
  const QFontMetricsF metrics(font_, &device);
  lineHeight_ = metrics.lineSpacing();
  charWidth_ = metrics.horizontalAdvance('0');
  y_ = metrics.ascent();
  pages_ = 1;
}

void PagedZonePrinter::Line(const std::vector<std::string>& zones) {
  if (!device_) RaiseError(err::DeviceIO);
  // Each item at the character column the zones give it, whatever the font's widths.
  std::size_t column = 0;
  for (std::size_t k = 0; k < zones.size(); ++k) {
    if (k > 0) column += kPrintZoneWidth - column % kPrintZoneWidth;
    painter_.drawText(QPointF(column * charWidth_, y_), QString::fromStdString(zones[k]));
    column += zones[k].size();
  }
  y_ += lineHeight_;
}

void PagedZonePrinter::NewPage() {
  if (!device_ || !device_->newPage()) RaiseError(err::DeviceIO);
  y_ = QFontMetricsF(font_, device_).ascent();
  ++pages_;
}

void PagedZonePrinter::EndDoc() {
  if (!device_) RaiseError(err::DeviceIO);
  device_ = nullptr;
  if (!painter_.end()) RaiseError(err::DeviceIO);
  Finished();
}

PdfZonePrinter::PdfZonePrinter(std::string path) : path_(std::move(path)) {}
PdfZonePrinter::~PdfZonePrinter() = default;

bool PdfZonePrinter::Begin(const std::string& documentName) {
  buffer_.open(QIODevice::WriteOnly);
  writer_ = std::make_unique<QPdfWriter>(&buffer_);
  writer_->setTitle(QString::fromStdString(documentName));
  writer_->setResolution(600);
  Start(*writer_);
  return true;
}

void PdfZonePrinter::Finished() {
  writer_.reset();  // the writer finishes the file as it goes
  buffer_.close();
  ReplaceFileAtomically(path_, buffer_.data().toStdString());
}

}  // namespace zorvan
