#include "shell/design_study.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "core/csv_writer.h"
#include "core/design_figures.h"
#include "core/design_runner.h"
#include "core/display_units.h"
#include "core/field_table.h"
#include "core/input_limits.h"
#include "core/number_text.h"

namespace zorvan {

namespace {

constexpr double kMaxStudyDesigns = 10000;

// One design: the base with the field set, run as a sweep runs each of its designs.
StudyPoint Evaluate(const EngineDesignRecord& base, RunRequest& request, double shown) {
  const DesignField& field = Field(request.settings.front().field);
  request.settings.front().value = DigitsText(FromDisplay(shown, field.unitSlot, base.UnitSystem));
  auto d = std::make_unique<EngineDesignRecord>(base);
  const RunResult run = RunDesign(*d, request);
  StudyPoint p{shown, {}, run.FailureLine()};
  if (run.ok) p.figures = run.figures;
  return p;
}

std::string Labelled(const std::string& label, const std::string& unit) {
  return unit.empty() ? label : label + " (" + unit + ")";
}

std::string FieldUnit(const EngineDesignRecord& d, const std::string& field) {
  const DesignField& f = Field(field);
  if (f.unitSlot > 0) return d.UnitLabel[f.unitSlot];
  return field.ends_with("Angle") ? "deg" : "";
}

}  // namespace

std::vector<std::string> StudyFields() {
  std::vector<std::string> names;
  for (const DesignField& f : DesignFields())
    if (f.role == FieldRole::Input && !IsText(f) && !IsCylinderList(f)) names.push_back(f.name);
  return names;
}

std::string StudyFieldLabel(const EngineDesignRecord& d, const std::string& field) {
  const InputLimit* limit = FindInputLimit(field);
  return Labelled(limit ? limit->label : field, FieldUnit(d, field));
}

std::string StudyFigureLabel(const EngineDesignRecord& d, std::size_t figure) {
  const DesignFigure& f = DesignFigures()[figure];
  // A design with balance shafts is studied with them.
  const bool shafts = f.shaking && !d.BalanceShafts.empty();
  return Labelled(std::string(f.label) + (shafts ? " with shafts" : ""), FigureUnitLabel(d, f.unit));
}

std::optional<std::string> CheckStudy(const StudyRequest& r) {
  const auto fields = StudyFields();
  if (std::find(fields.begin(), fields.end(), r.field) == fields.end()) return "Choose an input to vary.";
  const double count = r.axis.Count();
  if (count == 0 || r.axis.step == 0 || !std::isfinite(r.axis.from) || !std::isfinite(r.axis.to))
    return "The step must not be 0 and must lead from the first value to the last.";
  if (count > kMaxStudyDesigns) return "A study on this screen takes at most 10,000 designs.";
  if (r.figures.empty() || r.figures.size() > 2) return "Choose one or two figures.";
  return std::nullopt;
}

std::vector<StudyPoint> RunStudy(const EngineDesignRecord& base, const StudyRequest& r) {
  RunRequest request;
  request.settings = {{r.field, ""}};
  request.verb = "--vary";
  request.judgeEachSetting = true;
  request.figures = r.figures;
  for (std::size_t f : r.figures) request.flywheel = request.flywheel || DesignFigures()[f].needsFlywheel;
  std::vector<StudyPoint> points;
  const auto n = static_cast<std::size_t>(r.axis.Count());
  for (std::size_t k = 0; k < n; ++k) points.push_back(Evaluate(base, request, r.axis.Value(k)));
  return points;
}

PlotModel StudyPlot(const EngineDesignRecord& base, const StudyRequest& r, const std::vector<StudyPoint>& points) {
  PlotModel m;
  const InputLimit* limit = FindInputLimit(r.field);
  m.xName = limit ? limit->label : r.field;
  m.xUnit = FieldUnit(base, r.field);
  for (const StudyPoint& p : points) m.crankAngle.push_back(static_cast<float>(p.value));
  for (std::size_t i = 0; i < r.figures.size(); ++i) {
    const DesignFigure& f = DesignFigures()[r.figures[i]];
    PlotWindow w;
    w.title = StudyFigureLabel(base, r.figures[i]);
    w.yAxisTitle = FigureUnitLabel(base, f.unit);
    w.bottomTitle = StudyFieldLabel(base, r.field);
    PlotCurve c;
    c.name = w.title;
    c.legend = f.label;
    c.unit = FigureUnitLabel(base, f.unit);
    c.pen = {palette::Blue, 1.0, Dash::Solid};
    double lo = 0, hi = 0;
    bool any = false;
    for (const StudyPoint& p : points) {
      // A design that failed has no value: its point is a gap.
      const double v = p.figures.empty() ? std::numeric_limits<double>::quiet_NaN() : p.figures[i];
      c.y.push_back(static_cast<float>(v));
      if (p.figures.empty()) continue;
      lo = any ? std::min(lo, v) : v;
      hi = any ? std::max(hi, v) : v;
      any = true;
    }
    c.min = static_cast<float>(lo);
    c.max = static_cast<float>(hi);
    NiceYAxis(w, lo, hi);
    NiceXAxis(w, std::min(r.axis.from, r.axis.to), std::max(r.axis.from, r.axis.to));
    w.curves.push_back(std::move(c));
    m.windows.push_back(std::move(w));
  }
  return m;
}

std::string StudyCsv(const EngineDesignRecord& base, const StudyRequest& r, const std::vector<StudyPoint>& points) {
  std::string text;
  CsvWriter csv(text, kCsvFile);
  csv.Heading(StudyFieldLabel(base, r.field), {}, true);
  for (std::size_t f : r.figures) csv.Heading(StudyFigureLabel(base, f), {}, true);
  csv.Heading("error").EndLine();
  for (const StudyPoint& p : points) {
    csv.Number(p.value);
    for (std::size_t i = 0; i < r.figures.size(); ++i) {
      if (p.figures.empty()) {
        csv.Empty();
      } else {
        csv.Number(p.figures[i]);
      }
    }
    if (p.failure.empty()) {
      csv.Empty();
    } else {
      csv.Quoted(p.failure);
    }
    csv.EndLine();
  }
  return text;
}

}  // namespace zorvan
