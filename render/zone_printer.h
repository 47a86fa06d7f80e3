#pragma once
// The printed tables on paged Qt devices: lines of text in print zones, in a
// fixed-width font from the top of each page. The desktop program's printer
// and the PDF file of zorvan-cli both draw through this.
#include <QBuffer>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

#include "platform/printer.h"

class QPdfWriter;

namespace zorvan {

class PagedZonePrinter : public ZonePrinter {
 public:
  void Line(const std::vector<std::string>& zones) override;
  void NewPage() override;
  void EndDoc() override;
  int Pages() const { return pages_; }

 protected:
  // Starts painting on the device; error 57 when it cannot be painted on.
  void Start(QPagedPaintDevice& device);
  // After the last page: the painter is done (error 57 when the device failed).
  virtual void Finished() {}

 private:
  QPagedPaintDevice* device_ = nullptr;
  QPainter painter_;
  QFont font_;
  double y_ = 0, lineHeight_ = 0, charWidth_ = 0;
  int pages_ = 0;
};

// The printout as a PDF file, replaced only once the whole document is written.
class PdfZonePrinter : public PagedZonePrinter {
 public:
  explicit PdfZonePrinter(std::string path);
  ~PdfZonePrinter() override;
  // No dialog: the document begins at once.
  bool Begin(const std::string& documentName) override;

 protected:
  void Finished() override;

 private:
  std::string path_;
  QBuffer buffer_;
  std::unique_ptr<QPdfWriter> writer_;
};

}  // namespace zorvan
