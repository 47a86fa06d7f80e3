#pragma once
// Print Form, as every screen with a "&Print Form" command does it: the
// direct-print question, the printer dialog, the screen's image on one page.
#include <QImage>
#include <QWidget>
#include <memory>

#include "platform/printer.h"

#include "platform/ui.h"

namespace zorvan::ui {

// The printer: false when its dialog is cancelled (nothing is printed then).
class FormPrinter {
 public:
  virtual ~FormPrinter();
  virtual bool Print(const QImage& screenImage) = 0;
  // The same printer for text in print zones (the printed tables): the
  // system's printer, its dialog shown as each document begins.
  virtual ZonePrinter& Zones();

 private:
  std::unique_ptr<ZonePrinter> zones_;
};

// The system's printer dialog and printer.
class QtFormPrinter : public FormPrinter {
 public:
  bool Print(const QImage& screenImage) override;
};

// Asks the direct-print question and, on Yes, prints the screen's image.
// A cancelled dialog is silent; other faults are reported under `procedure`.
void PrintForm(QWidget& screen, Ui& ui, FormPrinter& printer, const char* procedure);

extern const char* const kDirectPrintQuestion;

}  // namespace zorvan::ui
