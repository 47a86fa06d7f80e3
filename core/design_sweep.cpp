// The grid of a design study and its workers: each design set from the base,
// run by the design runner, its figures read once it is calculated.
#include "core/design_sweep.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "core/csv_writer.h"
#include "core/design_figures.h"
#include "core/error_report.h"
#include "core/field_table.h"
#include "core/number_text.h"
#include "core/ordered_rows.h"

namespace zorvan {

namespace {

bool Finite(std::string_view text, double& v) { return ParseNumber(text, v) && std::isfinite(v); }

// FIELD, or LIST[K] for one cylinder's entry of a per-cylinder list.
std::optional<std::string> ResolveName(std::string name, VariedField& v) {
  v.entry = 0;
  if (const std::size_t open = name.find('['); open != std::string::npos) {
    if (name.back() != ']') return "needs FIELD[K] for one cylinder's entry";
    double k;
    if (!Finite(name.substr(open + 1, name.size() - open - 2), k) || k != std::floor(k) || k < 1 ||
        k > kMaxCylinders)
      return "the cylinder must be 1 to " + std::to_string(kMaxCylinders);
    v.entry = static_cast<int>(k);
    name.resize(open);
  }
  const DesignField* f = FindDesignField(name);
  if (!f || f->role != FieldRole::Input) return "unknown field '" + name + "'";
  if (IsText(*f)) return name + " is not a number";
  if (IsCylinderList(*f) != (v.entry > 0))
    return v.entry > 0 ? name + " has one value, not one per cylinder"
                       : name + " takes one cylinder's entry: " + name + "[K]";
  v.field = name;
  return std::nullopt;
}

std::optional<std::string> SetAxis(const GridAxis& axis, VariedField& v) {
  if (!std::isfinite(axis.from) || !std::isfinite(axis.to) || !std::isfinite(axis.step))
    return "needs FROM:TO:STEP, three finite numbers";
  if (axis.step == 0) return "the step must not be 0";
  if ((axis.to - axis.from) * axis.step < 0) return "the step goes away from TO";
  if (IsWholeNumber(Field(v.field)) && (axis.from != std::floor(axis.from) || axis.step != std::floor(axis.step)))
    return v.field + " takes whole numbers and whole steps";
  v.axis = axis;
  const double count = axis.Count();
  if (!(count <= kMaxGridDesigns)) return "more than 10000000 values";
  v.count = static_cast<std::size_t>(count);
  return std::nullopt;
}

}  // namespace

std::string VariedField::Heading() const { return entry > 0 ? field + "[" + std::to_string(entry) + "]" : field; }

std::optional<std::string> MakeVariedField(std::string name, GridAxis axis, VariedField& v) {
  if (auto refusal = ResolveName(std::move(name), v)) return refusal;
  return SetAxis(axis, v);
}

std::optional<std::string> ParseVariedField(const std::string& setting, VariedField& v) {
  const std::size_t eq = setting.find('=');
  if (eq == std::string::npos) return "needs FIELD=FROM:TO:STEP";
  if (auto refusal = ResolveName(setting.substr(0, eq), v)) return refusal;
  const std::string range = setting.substr(eq + 1);
  const std::size_t c1 = range.find(':'), c2 = c1 == std::string::npos ? c1 : range.find(':', c1 + 1);
  GridAxis axis;
  if (c2 == std::string::npos || range.find(':', c2 + 1) != std::string::npos ||
      !Finite(range.substr(0, c1), axis.from) || !Finite(range.substr(c1 + 1, c2 - c1 - 1), axis.to) ||
      !Finite(range.substr(c2 + 1), axis.step))
    return "needs FROM:TO:STEP, three finite numbers";
  return SetAxis(axis, v);
}

std::size_t SweepGrid::Designs() const {
  std::size_t total = 1;
  for (const VariedField& v : varied) total *= v.count;
  return total;
}

std::optional<std::string> CheckGrid(const SweepGrid& grid) {
  if (grid.varied.empty() || grid.varied.size() > kMaxVariedFields)
    return "a sweep takes 1 to " + std::to_string(kMaxVariedFields) + " varied fields, not " +
           std::to_string(grid.varied.size());
  double designs = 1;
  for (std::size_t k = 0; k < grid.varied.size(); ++k) {
    for (std::size_t j = 0; j < k; ++j)
      if (grid.varied[j].field == grid.varied[k].field && grid.varied[j].entry == grid.varied[k].entry)
        return grid.varied[k].Heading() + " is varied twice";
    designs *= static_cast<double>(grid.varied[k].count);
  }
  if (designs > kMaxGridDesigns) return "the grid has " + DigitsText(designs) + " designs, more than 10000000";
  return std::nullopt;
}

std::optional<std::string> ParseFigureList(const std::string& list, std::vector<std::size_t>& figures) {
  figures.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    const std::string name = list.substr(start, comma - start);
    const std::optional<std::size_t> k = FindDesignFigure(name);
    if (!k) return "unknown figure '" + name + "'";
    if (std::find(figures.begin(), figures.end(), *k) == figures.end()) figures.push_back(*k);
    if (comma == std::string::npos) return std::nullopt;
    start = comma + 1;
  }
}

GridPart PartOfGrid(std::size_t total, std::size_t k, std::size_t n) {
  // Boundaries at floor(j * total / n), worked in whole numbers that cannot overflow.
  auto boundary = [&](std::size_t j) { return total / n * j + total % n * j / n; };
  return {boundary(k - 1), boundary(k) - boundary(k - 1)};
}

GridWorker::GridWorker(const EngineDesignRecord& base, const std::vector<DesignSetting>& madeBefore,
                       const SweepGrid& grid)
    : base_(base), grid_(grid), at_(grid.varied.size(), static_cast<std::size_t>(-1)),
      d_(std::make_unique<EngineDesignRecord>()) {
  request_.verb = "--vary";
  request_.judgeEachSetting = true;
  request_.madeBefore = madeBefore;
  for (const VariedField& v : grid.varied) request_.settings.push_back({v.field, "", v.entry});
  request_.figures = grid.figures;
  request_.sizeShafts = grid.sizeShafts;
  request_.figureMoments = grid.moments;
  for (std::size_t k : grid.figures) request_.flywheel = request_.flywheel || DesignFigures()[k].needsFlywheel;
  out_.values.resize(grid.varied.size());
  out_.texts.resize(grid.varied.size());
}

GridWorker::~GridWorker() = default;

const GridDesign& GridWorker::Run(std::size_t index) {
  for (std::size_t k = grid_.varied.size(); k-- > 0;) {
    const VariedField& v = grid_.varied[k];
    const std::size_t at = index % v.count;
    index /= v.count;
    if (at == at_[k]) continue;  // the slower fields keep their value for many designs
    at_[k] = at;
    out_.values[k] = v.axis.Value(at);
    out_.texts[k] = request_.settings[k].value = DigitsText(out_.values[k]);
  }
  out_.figures.clear();
  try {
    // The chain writes every row of the results it reads, so the design's
    // values alone are set from the base; its results table stays as the
    // design before left it.
    static_cast<DesignValues&>(*d_) = base_;
    RunResult run = RunDesign(*d_, request_);
    out_.failure = run.FailureLine();
    if (run.ok) out_.figures = std::move(run.figures);
  } catch (const std::exception& e) {
    out_.failure = FirstLine(ErrorReportText(ErrorNumberOf(e), ErrorDescriptionOf(e), "sweep"));
  }
  return out_;
}

std::string SweepHeaderLine(const EngineDesignRecord& base, const SweepGrid& grid) {
  std::string line;
  CsvWriter csv(line, kCsvStream);
  for (const VariedField& v : grid.varied) csv.Heading(v.Heading(), HeldUnitLabel(base, Field(v.field).unitSlot));
  const bool shafts = grid.sizeShafts || !base.BalanceShafts.empty();
  for (std::size_t k : grid.figures) {
    const DesignFigure& f = DesignFigures()[k];
    csv.Heading(f.name + FigureQualifier(f, shafts, grid.moments), FigureUnitLabel(base, f.unit));
  }
  csv.Heading("error").EndLine();
  return line;
}

void AppendSweepRow(const GridDesign& design, std::size_t figures, std::string& row) {
  CsvWriter csv(row, kCsvStream);
  for (const std::string& text : design.texts) csv.Text(text);
  for (double v : design.figures) csv.Number(v);
  if (design.failure.empty()) {
    csv.Empty();
  } else {  // empty figures, then the failure
    for (std::size_t k = 0; k < figures; ++k) csv.Empty();
    csv.Quoted(design.failure);
  }
  csv.EndLine();
}

void RunGrid(const EngineDesignRecord& base, const std::vector<DesignSetting>& madeBefore, const SweepGrid& grid,
             GridPart part, int jobs,
             const std::function<void(std::size_t index, const GridDesign& design, std::string& row)>& each,
             const std::function<void(const std::string& rows)>& write,
             const std::function<void(std::size_t written)>& progress) {
  WriteRowsInOrder(
      part.count, jobs,
      [&]() -> RowMaker {
        auto worker = std::make_shared<GridWorker>(base, madeBefore, grid);
        return [worker, &each, first = part.first](std::size_t k, std::string& row) {
          row.clear();
          each(first + k, worker->Run(first + k), row);
        };
      },
      write, progress);
}

}  // namespace zorvan
