// zorvan.Design: started, preset or read from a model file; set by field
// name as zorvan-cli --set sets it, judged by the same limits; saved.
#include <pybind11/stl.h>

#include <algorithm>

#include "bindings.h"
#include "core/design.h"
#include "core/error_report.h"
#include "core/field_table.h"
#include "core/file_names.h"
#include "core/number_text.h"
#include "core/presets.h"
#include "core/startup.h"
#include "files/atomic_file.h"
#include "files/model_file.h"

namespace zorvan::python {

namespace {

void Keep(ScriptDesign& s, MessageList& told) {
  for (const Message& m : told) s.messages.push_back(MessageText(m.text));
}

ScriptDesign Started() {
  ScriptDesign s;
  MessageList told;
  const bool ok = Initialize(*s.d, told);
  if (!ok) {
    const Message* m = told.FirstError();
    throw CalculationFailure(m ? m->error : 51, m ? MessageText(m->text) : "the start-up design failed");
  }
  Keep(s, told);
  return s;
}

// One value as the command line's --set text: a number, a name (Arrangement,
// MachineType), or a per-cylinder list as a sequence of numbers.
std::string NumberText(const std::string& field, py::handle v) {
  if (py::isinstance<py::bool_>(v) || py::isinstance<py::str>(v) || py::isinstance<py::sequence>(v))
    throw py::type_error(field + ": give a number");
  if (PyIndex_Check(v.ptr())) return py::str(py::int_(py::reinterpret_borrow<py::object>(v)));
  // Any other number: the shortest decimal of its double, which reads back as it.
  return py::repr(py::float_(py::reinterpret_borrow<py::object>(v)));
}

std::string ValueText(const std::string& field, py::handle v) {
  if (py::isinstance<py::str>(v)) return v.cast<std::string>();
  if (py::isinstance<py::sequence>(v) || (py::hasattr(v, "__array__") && py::hasattr(v, "__iter__"))) {
    std::string list;
    for (py::handle item : py::iter(v)) list += (list.empty() ? "" : ",") + NumberText(field, item);
    return list;
  }
  return NumberText(field, v);
}

// Assigns the settings in order on a copy, judges the copy as the command
// line judges a design, and keeps it only when nothing was refused.
void Set(ScriptDesign& s, const py::kwargs& values) {
  std::vector<DesignSetting> settings;
  for (auto [key, value] : values) {
    DesignSetting setting{key.cast<std::string>(), ValueText(key.cast<std::string>(), value)};
    if (auto refusal = CheckSetting(setting)) throw InputFailure(setting.field, *refusal);
    settings.push_back(std::move(setting));
  }
  auto copy = std::make_unique<EngineDesignRecord>(*s.d);
  RunRequest request;
  request.settings = settings;
  request.madeBefore = s.made;
  request.calculate = false;
  const RunResult run = RunDesign(*copy, request);
  if (run.refusal) {
    const std::size_t space = run.refusal->procedure.find(' ');
    throw InputFailure(space == std::string::npos ? "" : run.refusal->procedure.substr(space + 1),
                       run.refusal->sentence);
  }
  if (!run.ok) {  // a value out of the field's range
    const Message* m = run.messages.FirstError();
    const std::string procedure = m ? m->procedure : "";
    throw InputFailure(procedure.starts_with("--set ") ? procedure.substr(6) : "",
                       m ? MessageText(m->text) : run.FailureLine());
  }
  s.d = std::move(copy);
  s.made.insert(s.made.end(), settings.begin(), settings.end());
}

py::object Get(const ScriptDesign& s, const std::string& name) {
  const DesignField* f = FindDesignField(name);
  if (!f) throw py::key_error("unknown field '" + name + "'");
  if (IsText(*f)) return py::str(FieldText(*s.d, *f));
  if (IsFlag(*f)) return py::bool_(FieldFlag(*s.d, *f));
  if (IsCylinderList(*f)) {
    py::list entries;
    for (int k = 1; k <= std::clamp<int>(s.d->NumCylinders, 0, kMaxCylinders); ++k)
      entries.append(FieldNumber(*s.d, *f, k));
    return entries;
  }
  if (std::holds_alternative<std::array<float, 4> EngineDesignRecord::*>(f->member)) {
    py::list speeds;
    for (int k = 1; k <= 3; ++k) speeds.append(FieldNumber(*s.d, *f, k));
    return speeds;
  }
  if (IsWholeNumber(*f)) return py::int_(static_cast<long>(FieldNumber(*s.d, *f)));
  return py::float_(FieldNumber(*s.d, *f));
}

// Calculated and written as zorvan-cli save writes it; the file is replaced only when complete.
void Save(const ScriptDesign& s, const std::string& path) {
  auto d = std::make_unique<EngineDesignRecord>(*s.d);
  RunRequest request;
  request.madeBefore = s.made;
  request.flywheel = true;
  const RunResult run = RunDesign(*d, request);
  if (!run.ok) RaiseFailure(run);
  ProgramValues values = s.values;
  if (std::string name = StripFilename(path); !name.empty()) values.FileName = name;
  values.FilePath = path;
  MessageList told;
  if (!Guarded(told, "Save", [&] { ReplaceFileAtomically(path, ModelFileText(*d, values)); }))
    throw CalculationFailure(told.FirstError()->error, MessageText(told.FirstError()->text));
}

}  // namespace

void RegisterDesign(py::module_& m) {
  py::class_<ScriptDesign>(m, "Design",
                           "One engine or compressor design: its inputs, set by field name as zorvan-cli --set\n"
                           "sets them. Design() is the start-up design; Design.preset(k) and Design.read(path)\n"
                           "start from a preset or a model file. zorvan.run(design) calculates it.")
      .def(py::init(&Started), "The start-up design (an inline four), as a new design on the desktop.")
      .def_static(
          "preset",
          [](int k) {
            if (k < 0 || k >= kPresetCount)
              throw InputFailure("preset", "a preset is 0 to " + std::to_string(kPresetCount - 1));
            ScriptDesign s = Started();
            MessageList told;
            if (!ApplyPreset(*s.d, k, told)) {
              const Message* e = told.FirstError();
              throw CalculationFailure(e ? e->error : 51, e ? MessageText(e->text) : "the preset failed");
            }
            Keep(s, told);
            return s;
          },
          py::arg("k"), "Preset k (0 to 10) as zorvan-cli --preset k starts it; 5 is the V8, 6 the W12.")
      .def_static(
          "read",
          [](const std::string& path) {
            ScriptDesign s = Started();
            s.values.StartingUp = true;
            MessageList told;
            if (!OpenModelFile(path, *s.d, s.values, told)) {
              const Message* e = told.FirstError();
              throw CalculationFailure(e ? e->error : 53,
                                       (e ? MessageText(e->text) + "\n" : "") + "the model file '" + path +
                                           "' could not be read");
            }
            Keep(s, told);
            return s;
          },
          py::arg("path"),
          "The design of a model file (.zrv), read as File > Open reads it; what the reading\n"
          "told is in .messages. A file that cannot be read raises CalculationError.")
      .def("set", &Set,
           "Sets input fields by name, in the order given: d.set(VeeAngle=90, PhaseAngle=[0, 90, 270, 180]).\n"
           "A per-cylinder list takes a sequence, Arrangement and MachineType also a name. Each value\n"
           "and then the whole design are judged by the input limits; a refused one raises InputError\n"
           "naming the field and the rule, and the design stays as it was.")
      .def("get", &Get, py::arg("field"),
           "The value of a field by name: a number, a text, or a list (one entry per cylinder).")
      .def("__getitem__", &Get, py::arg("field"))
      .def("save", &Save, py::arg("path"),
           "Calculates the design and writes it as a model file, as zorvan-cli save does; the file\n"
           "is replaced only once it is complete. A failed calculation raises CalculationError.")
      .def("copy", [](const ScriptDesign& s) { return ScriptDesign(s); }, "An independent copy.")
      .def("__copy__", [](const ScriptDesign& s) { return ScriptDesign(s); })
      .def("__deepcopy__", [](const ScriptDesign& s, py::dict) { return ScriptDesign(s); }, py::arg("memo"))
      .def_property_readonly(
          "messages", [](const ScriptDesign& s) { return s.messages; },
          "What starting or reading the design told (warnings of a model file), as a list of texts.")
      .def_property_readonly(
          "settings",
          [](const ScriptDesign& s) {
            py::list made;
            for (const DesignSetting& d : s.made) made.append(py::make_tuple(d.field, d.value));
            return made;
          },
          "The settings made with set(), in order, as (field, value text) pairs.")
      .def_static(
          "fields",
          [] {
            std::vector<std::string> names;
            for (const DesignField& f : DesignFields())
              if (f.role == FieldRole::Input) names.push_back(f.name);
            return names;
          },
          "The names of the input fields set() takes.")
      .def("__repr__", [](const ScriptDesign& s) {
        return "<zorvan.Design " + std::to_string(s.d->NumCylinders) + " cylinders, " +
               std::to_string(s.made.size()) + " settings>";
      });
}

}  // namespace zorvan::python
