// zorvan._core: the calculation of the desktop program and zorvan-cli for
// Python scripts, one area a file (register_*.cpp); the zorvan package on top
// of it adds nothing but its names.
#include <pybind11/numpy.h>

#include "core/error_report.h"
#include "bindings.h"

namespace zorvan::python {

namespace {

// The exception classes, made once with the module and kept for its lifetime.
PyObject* inputErrorType = nullptr;
PyObject* calculationErrorType = nullptr;

void Raise(PyObject* type, const std::string& text, const char* key, py::object value, const char* key2 = nullptr,
           py::object value2 = py::none()) {
  py::object error = py::reinterpret_borrow<py::object>(type)(text);
  error.attr(key) = std::move(value);
  if (key2) error.attr(key2) = std::move(value2);
  PyErr_SetObject(type, error.ptr());
}

}  // namespace

std::string MessageText(const std::string& text) {
  std::string s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      s += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      s += '\n';
    }
  }
  return s;
}

[[noreturn]] void RaiseFailure(const RunResult& run) {
  if (run.refusal) throw InputFailure("", run.refusal->sentence);
  if (const Message* m = run.messages.FirstError()) throw CalculationFailure(m->error, MessageText(m->text));
  throw CalculationFailure(51, run.FailureLine());
}

void RegisterErrors(py::module_& m) {
  inputErrorType = PyErr_NewExceptionWithDoc(
      "zorvan.InputError",
      "A value or a design the input limits refuse. str(e) names the field and the rule;\n"
      "e.field is the field (None when the design as a whole was refused). The design is not changed.",
      PyExc_ValueError, nullptr);
  calculationErrorType = PyErr_NewExceptionWithDoc(
      "zorvan.CalculationError",
      "A calculation, or a model file, that failed: e.number is the error number and e.text the\n"
      "error report, as the desktop program and zorvan-cli give them.",
      PyExc_RuntimeError, nullptr);
  m.add_object("InputError", py::handle(inputErrorType));
  m.add_object("CalculationError", py::handle(calculationErrorType));
  py::register_exception_translator([](std::exception_ptr p) {
    try {
      if (p) std::rethrow_exception(p);
    } catch (const InputFailure& e) {
      Raise(inputErrorType, e.what(), "field", e.field.empty() ? py::object(py::none()) : py::object(py::str(e.field)));
    } catch (const CalculationFailure& e) {
      Raise(calculationErrorType, e.what(), "number", py::int_(e.number), "text", py::str(e.what()));
    }
  });
}

}  // namespace zorvan::python

PYBIND11_MODULE(_core, m) {
  namespace zp = zorvan::python;
  m.doc() =
      "The ZORVAN calculation for scripts: designs (Design), one design's results (run) and\n"
      "design studies over a grid (sweep), with the numbers of zorvan-cli to the last bit.";
  m.attr("__version__") = ZORVAN_VERSION;
  pybind11::module_::import("numpy");
  zp::RegisterErrors(m);
  zp::RegisterDesign(m);
  zp::RegisterRun(m);
  zp::RegisterSweep(m);
}
