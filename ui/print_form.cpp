#include "ui/print_form.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "core/error_report.h"
#include "render/zone_printer.h"

namespace zorvan::ui {

const char* const kDirectPrintQuestion =
    "You can print this form directly to a printer from here.\r\n"
    "But a better quality print can be obtained by copying the\r\n"
    "screen to the clipboard with the key combo Alt-PrintScrn,\r\n"
    "and pasting it into a word processing or graphics program,\r\n"
    "then printing it from that program.\r\n"
    "Do you want to proceed with a direct print?";

namespace {

// The system's printer for the printed tables; its dialog may also print to a PDF file.
class QtZonePrinter : public PagedZonePrinter {
 public:
  bool Begin(const std::string& documentName) override {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setDocName(QString::fromStdString(documentName));
    QPrintDialog dialog(printer_.get());
    if (dialog.exec() != QDialog::Accepted) return false;
    Start(*printer_);
    return true;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace

FormPrinter::~FormPrinter() = default;

ZonePrinter& FormPrinter::Zones() {
  if (!zones_) zones_ = std::make_unique<QtZonePrinter>();
  return *zones_;
}

bool QtFormPrinter::Print(const QImage& screenImage) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer);
  if (dialog.exec() != QDialog::Accepted) return false;
  QPainter painter;
  if (!painter.begin(&printer)) RaiseError(err::DeviceIO);
  // The screen's image, as large as the page allows, keeping its shape.
  const QRect page = painter.viewport();
  QSize size = screenImage.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.setViewport(page.x(), page.y(), size.width(), size.height());
  painter.setWindow(screenImage.rect());
  painter.drawImage(0, 0, screenImage);
  if (!painter.end()) RaiseError(err::DeviceIO);
  return true;
}

void PrintForm(QWidget& screen, Ui& ui, FormPrinter& printer, const char* procedure) {
  Guarded(ui, procedure, [&] {
    if (ui.Message(kDirectPrintQuestion, Buttons::YesNo, Icon::Question) != Answer::Yes) return;
    if (!printer.Print(screen.grab().toImage())) RaiseError(err::DialogCancel);
  });
}

}  // namespace zorvan::ui
