// zorvan.run: one design calculated as zorvan-cli dump calculates it, its
// results as numpy arrays of the widths the record holds them in (float32
// columns and tables, float64 sums and orders) and dicts of the rest.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <cstring>

#include "bindings.h"
#include "core/field_table.h"
#include "core/moment_reference.h"
#include "core/orders.h"
#include "core/result_catalogue.h"
#include "core/rod_load.h"

namespace zorvan::python {

namespace {

struct RunOutput {
  py::dict columns, tables, derived, flags;
  py::object flywheel = py::none(), rodload = py::none(), orders = py::none();
  py::array_t<double> harmonicSums;
  py::array_t<float> bankNumber, bankAngle;
  std::vector<std::string> messages;
};

template <class T, std::size_t N>
py::array_t<T> Array(const std::array<T, N>& values) {
  py::array_t<T> a(N);
  std::memcpy(a.mutable_data(), values.data(), N * sizeof(T));
  return a;
}

// The stored columns as one-dimensional arrays, the tables as rows x columns.
void Stored(const CrankAngleTable& t, RunOutput& out) {
  ForEachStored(t, [&](const char* name, const auto& rows) {
    if constexpr (requires { rows.column(0); }) {
      constexpr std::size_t cols = std::remove_cvref_t<decltype(rows[0])>::size();
      py::array_t<float> a({static_cast<py::ssize_t>(kRows), static_cast<py::ssize_t>(cols)});
      auto cells = a.mutable_unchecked<2>();
      for (std::size_t c = 0; c < cols; ++c)
        for (int r = 0; r < kRows; ++r) cells(r, c) = rows.column(static_cast<int>(c))[r];
      out.tables[name] = a;
    } else {
      out.columns[name] = Array(rows);
    }
  });
}

// As zorvan-cli dump lists them: the derived quantities and the counterweight.
py::dict Derived(const EngineDesignRecord& d) {
  py::dict out;
  for (const char* name : DerivedFieldNames()) {
    const DesignField& f = Field(name);
    if (std::holds_alternative<std::array<float, 4> EngineDesignRecord::*>(f.member)) {
      const auto& speeds = d.*std::get<std::array<float, 4> EngineDesignRecord::*>(f.member);
      out[name] = Array(std::array{speeds[1], speeds[2], speeds[3]});
    } else if (IsWholeNumber(f)) {
      out[name] = static_cast<int>(FieldNumber(d, f));
    } else {
      out[name] = static_cast<double>(static_cast<float>(FieldNumber(d, f)));
    }
  }
  return out;
}

py::dict Flywheel(const EngineDesignRecord& d, const FlywheelResult& f) {
  py::dict out;
  out["TorqueMinNoFlywheel"] = static_cast<double>(d.TorqueMinNoFlywheel);
  out["TorqueMaxNoFlywheel"] = static_cast<double>(d.TorqueMaxNoFlywheel);
  out["TorqueMinFlywheel"] = static_cast<double>(d.TorqueMinFlywheel);
  out["TorqueMaxFlywheel"] = static_cast<double>(d.TorqueMaxFlywheel);
  out["PositiveAreas"] = Array(d.PositiveAreas);
  out["NegativeAreas"] = Array(d.NegativeAreas);
  out["PulseCount"] = f.pulseCount;
  out["EnergySwing"] = f.energySwing;
  out["FlywheelInertia"] = f.flywheelInertia;
  return out;
}

// None when there are no one-cylinder results to read, as the dump's null.
py::object RodLoadOfDesign(const EngineDesignRecord& d) {
  RodLoad r;
  try {
    r = RodLoadOf(d);
  } catch (const std::exception&) {
    return py::none();
  }
  py::dict out;
  out["PeakTension"] = static_cast<double>(r.PeakTension);
  out["PeakTensionAngle"] = static_cast<double>(r.PeakTensionAngle);
  out["PeakCompression"] = static_cast<double>(r.PeakCompression);
  out["PeakCompressionAngle"] = static_cast<double>(r.PeakCompressionAngle);
  out["ReversalDegrees"] = r.ReversalDegrees;
  out["ReversalPercent"] = r.ReversalPercent;
  out["MinimumsMet"] = r.MinimumsMet;
  return out;
}

// As the dump gives them: the point the moments are taken about (the
// engine's centre) and its place from cylinder 1's plane, then per column the
// arrays order, a, b, amplitude and phase, or None for a column the design
// does not offer; None altogether when they cannot be analysed.
py::object Orders(const EngineDesignRecord& d) {
  std::vector<OrderColumn> columns;
  double centre = 0;
  try {
    columns = OrderAnalysis(d, OrderSubject::Torque, MomentReference::Centre);
    for (OrderColumn& c : OrderAnalysis(d, OrderSubject::Shaking, MomentReference::Centre))
      columns.push_back(std::move(c));
    centre = EngineCentre(d);
  } catch (const std::exception&) {
    return py::none();
  }
  py::dict out;
  out["MomentsAbout"] = ReferenceName(MomentReference::Centre);
  out["EngineCentre"] = centre;
  for (const OrderColumn& c : columns) {
    if (!c.offered) {
      out[c.name.c_str()] = py::none();
      continue;
    }
    py::dict column;
    for (auto [name, member] : {std::pair{"order", &OrderTerm::order}, {"a", &OrderTerm::a}, {"b", &OrderTerm::b},
                                {"amplitude", &OrderTerm::amplitude}, {"phase", &OrderTerm::phase}}) {
      py::array_t<double> a(c.spectrum.size());
      for (std::size_t k = 0; k < c.spectrum.size(); ++k) a.mutable_at(k) = c.spectrum[k].*member;
      column[name] = a;
    }
    out[c.name.c_str()] = column;
  }
  return out;
}

RunOutput Run(const ScriptDesign& s, bool flywheel) {
  auto d = std::make_unique<EngineDesignRecord>(*s.d);
  RunRequest request;
  request.madeBefore = s.made;
  request.flywheel = flywheel;
  RunResult run;
  {
    py::gil_scoped_release released;
    run = RunDesign(*d, request);
  }
  if (!run.ok) RaiseFailure(run);
  RunOutput out;
  Stored(d->table, out);
  out.derived = Derived(*d);
  out.flags["SingleResultsValid"] = d->SingleResultsValid;
  out.flags["BalanceResultsValid"] = d->BalanceResultsValid;
  out.flags["EngineResultsValid"] = d->EngineResultsValid;
  out.flags["FlywheelResultsValid"] = d->FlywheelResultsValid;
  out.harmonicSums = py::array_t<double>(std::vector<py::ssize_t>{7, 2, 2, 4});
  std::memcpy(out.harmonicSums.mutable_data(), d->HarmonicSums.data(), sizeof d->HarmonicSums);
  out.bankNumber = Array(d->BankNumber);
  out.bankAngle = Array(d->BankAngle);
  if (flywheel) out.flywheel = Flywheel(*d, run.flywheel);
  out.rodload = RodLoadOfDesign(*d);
  out.orders = Orders(*d);
  for (const Message& m : run.messages) out.messages.push_back(MessageText(m.text));
  return out;
}

}  // namespace

void RegisterRun(py::module_& m) {
  py::class_<RunOutput>(m, "Result",
                        "One calculated design, as zorvan-cli dump lists it. Held units of the design's unit\n"
                        "system; rows 0..240 stand for crank angles 0, 3, ... 720 degrees.")
      .def_readonly("columns", &RunOutput::columns,
                    "Every stored result column by name (CrankAngle, TotalTorque, ...): arrays of 241 rows,\n"
                    "float32 (TanConrodAngle, held in double precision, float64).")
      .def_readonly("tables", &RunOutput::tables,
                    "The tables of several columns a row (PinForceX, ShakingForce, ...): float32 arrays,\n"
                    "241 rows by their columns.")
      .def_readonly("derived", &RunOutput::derived, "The derived quantities and the counterweight by name.")
      .def_readonly("flags", &RunOutput::flags, "Which results are valid.")
      .def_readonly("flywheel", &RunOutput::flywheel,
                    "The flywheel calculation (pulse areas, energy swing, inertia); None when run(flywheel=False).")
      .def_readonly("rodload", &RunOutput::rodload, "The connecting-rod load: peaks, reversal, minimums met.")
      .def_readonly("orders", &RunOutput::orders,
                    "The orders of crank speed of the torques and the shaking force and moment: per column\n"
                    "the float64 arrays order, a, b, amplitude, phase; None for a column without results.")
      .def_readonly("harmonic_sums", &RunOutput::harmonicSums, "HarmonicSums: float64, shape (7, 2, 2, 4).")
      .def_readonly("bank_number", &RunOutput::bankNumber, "Each cylinder's bank (index 0 unused).")
      .def_readonly("bank_angle", &RunOutput::bankAngle, "Each cylinder's bank angle (index 0 unused).")
      .def_readonly("messages", &RunOutput::messages, "What the calculation told (warnings), in order.");
  m.def("run", &Run, py::arg("design"), py::arg("flywheel") = true,
        "Calculates a design (the design itself is not changed) as zorvan-cli dump does, and the\n"
        "flywheel unless flywheel=False. A failed step raises CalculationError with its number\n"
        "and report; a design outside the input limits raises InputError.");
}

}  // namespace zorvan::python
