#pragma once
// The classic run-time error: a number and its description. Procedures throw it;
// the one error report (core/error_report.h) turns it into the user's message.
#include <stdexcept>
#include <optional>
#include <string>

namespace zorvan {

// Classic run-time error numbers used across the program.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int OutOfStack = 28;
constexpr int BadFileNameOrNumber = 52;
constexpr int FileNotFound = 53;
constexpr int BadFileMode = 54;
constexpr int DeviceIO = 57;
constexpr int DiskFull = 61;
constexpr int InputPastEnd = 62;
constexpr int BadFileName = 64;
constexpr int PermissionDenied = 70;
constexpr int DiskNotReady = 71;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int OutOfMemoryAlt = 32678;
constexpr int DialogCancel = 32755;
}  // namespace err

// The system's text for a run-time error number.
std::string ErrorDescription(int number);

class RunTimeError : public std::runtime_error {
 public:
  explicit RunTimeError(int number);
  // A failure with a description of its own (the classic Err.Raise with a text).
  RunTimeError(int number, const std::string& description);
  int Number() const { return number_; }
  std::string Description() const { return what(); }

 private:
  int number_;
};

[[noreturn]] void RaiseError(int number);

// The path a file dialog answered, or the Cancel failure (32755) that ends a
// file command silently.
std::string ChosenOrCancel(const std::optional<std::string>& path);

}  // namespace zorvan
