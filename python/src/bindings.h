#pragma once
// What the parts of the Python module share: the design a script holds, the
// two failures it raises, and the registration of each area on the module.
#include <pybind11/pybind11.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/design_runner.h"
#include "core/design_settings.h"
#include "core/program_values.h"

namespace zorvan::python {

namespace py = pybind11;

// A design as a script holds it: the record, the file's program values, and
// the settings made since it was started, read or preset (a counterweight
// among them is a given one when it is calculated, as on the command line).
struct ScriptDesign {
  std::unique_ptr<EngineDesignRecord> d = std::make_unique<EngineDesignRecord>();
  ProgramValues values;
  std::vector<DesignSetting> made;
  std::vector<std::string> messages;  // what reading or starting it told

  ScriptDesign() = default;
  ScriptDesign(const ScriptDesign& other)
      : d(std::make_unique<EngineDesignRecord>(*other.d)), values(other.values), made(other.made),
        messages(other.messages) {}
};

// A value or a design the input limits refuse: zorvan.InputError.
struct InputFailure : std::runtime_error {
  InputFailure(std::string field, const std::string& text) : std::runtime_error(text), field(std::move(field)) {}
  std::string field;  // empty when the whole design was refused
};

// A calculation or a file that failed with an error report: zorvan.CalculationError.
struct CalculationFailure : std::runtime_error {
  CalculationFailure(int number, const std::string& text) : std::runtime_error(text), number(number) {}
  int number;
};

// The failure of a run: the refusal or the first error report, raised.
[[noreturn]] void RaiseFailure(const RunResult& run);
// Messages as Python strings, carriage returns as line breaks.
std::string MessageText(const std::string& text);

void RegisterErrors(py::module_& m);
void RegisterDesign(py::module_& m);
void RegisterRun(py::module_& m);
void RegisterSweep(py::module_& m);

}  // namespace zorvan::python
