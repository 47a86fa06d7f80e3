// zorvan.sweep: a design study over a grid, run by the workers zorvan-cli
// sweep runs it on, the designs' values and figures filled into arrays in
// grid order while Python goes on without the GIL.
#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <memory>
#include <cmath>
#include <thread>

#include "bindings.h"
#include "core/design_figures.h"
#include "core/design_sweep.h"

namespace zorvan::python {

namespace {

constexpr int kMaxJobs = 256;

SweepGrid Grid(const py::dict& vary, const std::optional<std::vector<std::string>>& figures) {
  SweepGrid grid;
  for (auto [key, value] : vary) {
    const std::string name = key.cast<std::string>();
    std::tuple<double, double, double> axis;
    try {
      axis = value.cast<std::tuple<double, double, double>>();
    } catch (const py::cast_error&) {
      throw py::type_error(name + ": give (FROM, TO, STEP), three numbers");
    }
    VariedField v;
    if (auto refusal = MakeVariedField(name, {std::get<0>(axis), std::get<1>(axis), std::get<2>(axis)}, v))
      throw InputFailure(name, name + ": " + *refusal);
    grid.varied.push_back(v);
  }
  if (auto refusal = CheckGrid(grid)) throw InputFailure("", *refusal);
  if (!figures) {
    for (std::size_t k = 0; k < DesignFigures().size(); ++k) grid.figures.push_back(k);
  } else {
    for (const std::string& name : *figures) {
      const std::optional<std::size_t> k = FindDesignFigure(name);
      if (!k) throw InputFailure("", "unknown figure '" + name + "'");
      if (std::find(grid.figures.begin(), grid.figures.end(), *k) == grid.figures.end()) grid.figures.push_back(*k);
    }
  }
  return grid;
}

py::dict Sweep(const ScriptDesign& s, const py::dict& vary, const std::optional<std::vector<std::string>>& figures,
               std::optional<int> jobs) {
  const SweepGrid grid = Grid(vary, figures);
  if (jobs && (*jobs < 1 || *jobs > kMaxJobs)) throw InputFailure("", "jobs must be 1 to 256");
  const int workers = jobs.value_or(static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u)));
  const std::size_t n = grid.Designs(), nv = grid.varied.size(), nf = grid.figures.size();
  std::vector<double> values(n * nv), found(n * nf, std::nan(""));
  std::vector<std::string> failures(n);
  // The design as it is now: other Python threads may set it while the grid runs.
  const auto base = std::make_unique<EngineDesignRecord>(*s.d);
  const std::vector<DesignSetting> made = s.made;
  {
    py::gil_scoped_release released;
    RunGrid(
        *base, made, grid, {0, n}, workers,
        [&](std::size_t index, const GridDesign& design, std::string&) {
          std::copy(design.values.begin(), design.values.end(), values.begin() + index * nv);
          std::copy(design.figures.begin(), design.figures.end(), found.begin() + index * nf);
          failures[index] = design.failure;
        },
        [](const std::string&) {}, [](std::size_t) {});
  }
  py::dict out;
  auto column = [n](const std::vector<double>& from, std::size_t k, std::size_t width) {
    py::array_t<double> a(n);
    double* to = a.mutable_data();
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i * width + k];
    return a;
  };
  for (std::size_t k = 0; k < nv; ++k) out[py::str(grid.varied[k].Heading())] = column(values, k, nv);
  for (std::size_t k = 0; k < nf; ++k) out[DesignFigures()[grid.figures[k]].name] = column(found, k, nf);
  out["error"] = failures;
  return out;
}

}  // namespace

void RegisterSweep(py::module_& m) {
  m.def("sweep", &Sweep, py::arg("design"), py::arg("vary"), py::arg("figures") = py::none(),
        py::arg("jobs") = py::none(),
        "A design study, as zorvan-cli sweep runs it: vary={\"VeeAngle\": (60, 120, 5)} runs each field\n"
        "(one to three; \"PhaseAngle[2]\" for one cylinder's entry) from FROM to TO in steps of STEP,\n"
        "the last fastest. Returns a dict in grid order: each varied field's values and each figure\n"
        "(all unless figures names some) as float64 arrays, NaN for a design that failed, and\n"
        "\"error\", a list of each design's error line (empty when it ran). jobs: worker threads\n"
        "(default: every core); Python's other threads run meanwhile. A bad grid raises InputError.");
  m.def(
      "figures",
      [] {
        std::vector<std::string> names;
        for (const DesignFigure& f : DesignFigures()) names.push_back(f.name);
        return names;
      },
      "The names of the figures a sweep can give, in their default order.");
}

}  // namespace zorvan::python
