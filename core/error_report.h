#pragma once
// The one error report: every procedure hands its run-time failures here with
// its own name; the report builds the message and tells it where the caller
// says: a message list the calculation keeps, or a screen's message box.
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/runtime_error.h"
#include "platform/messages.h"

namespace zorvan {

// The message text for a failure number raised in a named procedure.
std::string ErrorReportText(int number, std::string_view procedure);
// The same with the failure's own description instead of the system's text.
std::string ErrorReportText(int number, std::string_view description, std::string_view procedure);
Icon ErrorReportIcon(int number);
// The whole report: text, icon, number and procedure.
Message ErrorReportMessage(int number, std::string_view description, std::string_view procedure);
// Its first line, which names the number and the procedure.
std::string FirstLine(const std::string& text);

// Hands the report to `out`: a MessageList, or anything else with a Tell of its own.
template <class Out>
void ErrorReport(Out& out, int number, std::string_view description, std::string_view procedure) {
  Tell(out, ErrorReportMessage(number, description, procedure));
}
template <class Out>
void ErrorReport(Out& out, int number, std::string_view procedure) {
  ErrorReport(out, number, ErrorDescription(number), procedure);
}

// The classic number for an exception that escaped a procedure.
int ErrorNumberOf(const std::exception& e);
// Its description: a RunTimeError's own text, else the system's text for the number.
std::string ErrorDescriptionOf(const std::exception& e);
// The report of an exception that escaped a procedure.
Message ErrorReportOf(const std::exception& e, std::string_view procedure);

// A file the user named that could not be written: what it was, its path and
// why, with the warning icon ("The picture could not be written to ...").
Message NotWrittenMessage(std::string_view what, std::string_view path, const std::exception& e);

// Runs a procedure's body at its boundary: a failure goes to the report under
// the procedure's name, told to `out`. Returns false when the body failed. A
// cancelled file dialog (32755) ends the procedure silently.
template <class Out, class Body>
bool Guarded(Out& out, std::string_view procedure, Body&& body) {
  try {
    body();
    return true;
  } catch (const std::exception& e) {
    if (ErrorNumberOf(e) != err::DialogCancel) Tell(out, ErrorReportOf(e, procedure));
    return false;
  }
}

}  // namespace zorvan
