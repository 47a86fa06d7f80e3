#include "shell/design_study.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/design_figures.h"
#include "core/design_runner.h"
#include "core/display_units.h"
#include "core/field_table.h"
#include "core/number_text.h"

namespace zorvan {

namespace {

constexpr double kMaxStudyDesigns = 10000;

std::size_t Count(const StudyRequest& r) {
  return static_cast<std::size_t>(std::floor((r.to - r.from) / r.step + 1e-9)) + 1;
}

// One design: the base with the field set, run as a sweep runs each of its designs.
StudyPoint Evaluate(const EngineDesignRecord& base, RunRequest& request, double value) {
  request.settings.front().value = DigitsText(value);
  auto d = std::make_unique<EngineDesignRecord>(base);
  const RunResult run = RunDesign(*d, request);
  StudyPoint p{value, {}, run.FailureLine()};
  if (run.ok) p.figures = run.figures;
  return p;
}

}  // namespace

std::vector<std::string> StudyFields() {
  std::vector<std::string> names;
  for (const DesignField& f : DesignFields())
    if (f.role == FieldRole::Input && !IsText(f) && !IsCylinderList(f)) names.push_back(f.name);
  return names;
}

std::optional<std::string> CheckStudy(const StudyRequest& r) {
  const auto fields = StudyFields();
  if (std::find(fields.begin(), fields.end(), r.field) == fields.end()) return "Choose an input to vary.";
  if (!std::isfinite(r.from) || !std::isfinite(r.to) || !std::isfinite(r.step) || r.step == 0 ||
      (r.to - r.from) / r.step < 0)
    return "The step must not be 0 and must lead from the first value to the last.";
  if ((r.to - r.from) / r.step + 1 > kMaxStudyDesigns) return "A study on this screen takes at most 10,000 designs.";
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
  const std::size_t n = Count(r);
  for (std::size_t k = 0; k < n; ++k) points.push_back(Evaluate(base, request, r.from + static_cast<double>(k) * r.step));
  return points;
}

PlotModel StudyPlot(const EngineDesignRecord& base, const StudyRequest& r, const std::vector<StudyPoint>& points) {
  PlotModel m;
  m.xName = r.field;
  const DesignField& field = Field(r.field);
  // The input as the screens show it.
  const int16_t system = base.UnitSystem;
  m.xUnit = field.unitSlot > 0 ? base.UnitLabel[field.unitSlot] : "";
  for (const StudyPoint& p : points) m.crankAngle.push_back(static_cast<float>(ToDisplay(p.value, field.unitSlot, system)));
  for (std::size_t i = 0; i < r.figures.size(); ++i) {
    const DesignFigure& f = DesignFigures()[r.figures[i]];
    PlotWindow w;
    const std::string unit = FigureUnitLabel(base, f.unit);
    w.title = std::string(f.name) + (unit.empty() ? "" : " (" + unit + ")");
    w.yAxisTitle = unit;
    w.bottomTitle = r.field + (m.xUnit.empty() ? "" : " (" + m.xUnit + ")");
    PlotCurve c;
    c.name = w.title;
    c.legend = f.name;
    c.pen = {palette::Blue, 1.0, Dash::Solid};
    double lo = 0, hi = 0, last = 0;
    bool any = false;
    for (const StudyPoint& p : points) {
      const double v = p.figures.empty() ? last : p.figures[i];
      c.y.push_back(static_cast<float>(v));
      if (!p.figures.empty()) {
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
        last = v;
      }
    }
    c.min = static_cast<float>(lo);
    c.max = static_cast<float>(hi);
    NiceYAxis(w, lo, hi);
    const double from = ToDisplay(r.from, field.unitSlot, system), to = ToDisplay(r.to, field.unitSlot, system);
    NiceXAxis(w, std::min(from, to), std::max(from, to));
    w.curves.push_back(std::move(c));
    m.windows.push_back(std::move(w));
  }
  return m;
}

}  // namespace zorvan
