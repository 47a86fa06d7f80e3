#pragma once
// The one error report: every procedure hands its run-time failures here with
// its own name; the report builds the message, shows it and restores the pointer.
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/runtime_error.h"
#include "platform/ui.h"

namespace zorvan {

// The message text for a failure number raised in a named procedure.
std::string ErrorReportText(int number, std::string_view procedure);
// The same with the failure's own description instead of the system's text.
std::string ErrorReportText(int number, std::string_view description, std::string_view procedure);
Icon ErrorReportIcon(int number);

// Shows the report (OK button, program title) and sets the pointer to normal.
void ErrorReport(Ui& ui, int number, std::string_view procedure);
void ErrorReport(Ui& ui, int number, std::string_view description, std::string_view procedure);

// The classic number for an exception that escaped a procedure.
int ErrorNumberOf(const std::exception& e);
// Its description: a RunTimeError's own text, else the system's text for the number.
std::string ErrorDescriptionOf(const std::exception& e);

// Runs a procedure's body at its boundary: a failure goes to the report under
// the procedure's name. Returns false when the body failed. A cancelled file
// dialog (32755) ends the procedure silently.
template <class Body>
bool Guarded(Ui& ui, std::string_view procedure, Body&& body) {
  try {
    body();
    return true;
  } catch (const std::exception& e) {
    int number = ErrorNumberOf(e);
    if (number != err::DialogCancel) ErrorReport(ui, number, ErrorDescriptionOf(e), procedure);
    return false;
  }
}

}  // namespace zorvan
