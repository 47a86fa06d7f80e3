#include "core/error_report.h"

namespace zorvan {

namespace {
constexpr const char* kCrLf = "\r\n";

std::string MemoryAdvice(const char* second_line) {
  std::string s = "You should try to save your model from the Home Screen's 'File' pulldown menu, ";
  s += kCrLf;
  s += second_line;
  s += kCrLf;
  s += "It may help to close other programs that are running at the same time.";
  s += kCrLf;
  s += "Good luck! ";
  return s;
}

std::string Advice(int number) {
  switch (number) {
    case 7: return MemoryAdvice("then Quit this program and restart it to clear the memory.");
    case 28: return MemoryAdvice("then Quit this program and restart it to clear the stacks.");
    case 52: return "The filename clicked on has a problem.  Try opening it from within the program.";
    case 53:
    case 64: return "There are no files with your chosen name in the selected directory";
    case 57: return "Device I/O error- bad drive or disk - please try another";
    case 61: return " The floppy disk in the drive is full - please substitute another";
    case 71: return "Disk not ready - is the drive empty or its door open?";
    case 32678: return "Out of memory.  Close other programs and retry.";
    default: return {};
  }
}
}  // namespace

std::string ErrorReportText(int number, std::string_view procedure) {
  return ErrorReportText(number, ErrorDescription(number), procedure);
}

std::string ErrorReportText(int number, std::string_view description, std::string_view procedure) {
  std::string text = "Error " + std::to_string(number) + "   (" + std::string(description) +
                     ")  has occurred in " + std::string(procedure) + kCrLf + kCrLf;
  return text + Advice(number);
}

Icon ErrorReportIcon(int number) { return number == 7 ? Icon::None : Icon::Information; }

Message ErrorReportMessage(int number, std::string_view description, std::string_view procedure) {
  return {ErrorReportText(number, description, procedure), ErrorReportIcon(number), number, std::string(procedure)};
}

std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

int ErrorNumberOf(const std::exception& e) {
  if (auto* rt = dynamic_cast<const RunTimeError*>(&e)) return rt->Number();
  if (dynamic_cast<const std::bad_alloc*>(&e)) return err::OutOfMemory;
  if (dynamic_cast<const std::out_of_range*>(&e)) return err::SubscriptOutOfRange;
  if (dynamic_cast<const std::length_error*>(&e)) return err::OutOfMemory;
  return 51;  // internal error
}

std::string ErrorDescriptionOf(const std::exception& e) {
  if (auto* rt = dynamic_cast<const RunTimeError*>(&e)) return rt->Description();
  return ErrorDescription(ErrorNumberOf(e));
}

Message ErrorReportOf(const std::exception& e, std::string_view procedure) {
  return ErrorReportMessage(ErrorNumberOf(e), ErrorDescriptionOf(e), procedure);
}

Message NotWrittenMessage(std::string_view what, std::string_view path, const std::exception& e) {
  std::string text = "The " + std::string(what) + " could not be written to" + kCrLf + std::string(path) + kCrLf + kCrLf;
  return {text + ErrorDescriptionOf(e) + ".", Icon::Warning, 0, {}};
}

}  // namespace zorvan
