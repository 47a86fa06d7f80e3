#include "core/design_compare.h"

#include <bit>
#include <cmath>
#include <limits>

#include "core/csv_writer.h"
#include "core/design.h"
#include "core/design_figures.h"
#include "core/design_runner.h"
#include "core/error_report.h"
#include "core/flywheel.h"
#include "core/number_text.h"
#include "core/units.h"

namespace zorvan {

namespace {

constexpr const char* CR = "\r";

std::string Padded(const std::string& s, std::size_t width) {
  return s.size() >= width ? s + " " : s + std::string(width - s.size(), ' ');
}
std::string Right(const std::string& s, std::size_t width) {
  return s.size() >= width ? " " + s : std::string(width - s.size(), ' ') + s;
}
std::string Value(double v) { return std::isnan(v) ? "-" : DigitsText(v, 9); }

}  // namespace

std::vector<double> ComparisonFigures(const EngineDesignRecord& d, MomentReference reference, MessageList& messages) {
  const auto figures = DesignFigures();
  std::vector<double> values(figures.size(), std::numeric_limits<double>::quiet_NaN());
  // The flywheel is sized on a copy: the design itself keeps what it holds.
  auto copy = std::make_unique<EngineDesignRecord>(d);
  FlywheelResult flywheel;
  const bool sized = d.EngineResultsValid && FlywheelCalculation(*copy, messages, flywheel);
  const FigureShaking shaking(d, reference);
  FigureSource source = shaking.Source(sized ? &flywheel : nullptr);
  for (std::size_t k = 0; k < figures.size(); ++k) {
    if (figures[k].needsFlywheel && !sized) continue;
    Guarded(messages, "Design_Figures", [&] { values[k] = FigureValue(source, k); });
  }
  return values;
}

std::unique_ptr<EngineDesignRecord> CalculatedForComparison(const EngineDesignRecord& read, int16_t unitSystem,
                                                            MessageList& messages) {
  auto d = std::make_unique<EngineDesignRecord>(read);
  if (d->UnitSystem != unitSystem &&
      !Guarded(messages, "Compare", [&] {
        ConvertDesign(*d, d->UnitSystem, unitSystem);
        UseUnitSystem(*d, unitSystem);
      }))
    return nullptr;
  RunRequest request;  // as the command line's design arguments run a design
  const RunResult run = RunDesign(*d, request);
  messages.Append(run.messages);
  if (run.refusal) {
    messages.Add(run.refusal->sentence, Icon::Warning);
    return nullptr;
  }
  return run.ok ? std::move(d) : nullptr;
}

double ComparisonRow::Difference() const {
  if (std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b)) return 0;
  return b - a;
}

std::vector<ComparisonRow> ComparisonRows(const EngineDesignRecord& a, const std::vector<double>& figuresA,
                                          const std::vector<double>& figuresB, MomentReference reference) {
  std::vector<ComparisonRow> rows;
  const auto figures = DesignFigures();
  for (std::size_t k = 0; k < figures.size() && k < figuresA.size() && k < figuresB.size(); ++k) {
    const DesignFigure& f = figures[k];
    std::string label = f.label;
    if (f.unit == FigureUnit::Moment)
      label += reference == MomentReference::Centre ? " about centre" : " about cylinder 1";
    rows.push_back({f.name, label, FigureUnitLabel(a, f.unit), figuresA[k], figuresB[k]});
  }
  return rows;
}

std::string ComparisonText(const std::string& nameA, const std::string& nameB, const std::vector<ComparisonRow>& rows) {
  std::string s = std::string(" COMPARISON OF TWO DESIGNS") + CR + CR;
  s += " A  " + nameA + CR + " B  " + nameB + CR;
  s += std::string(" The shaking figures of a design with balance shafts are those with its shafts;") + CR +
       " a figure a design cannot give is shown as -." + CR + CR;
  s += " " + Padded("Figure", 46) + Padded("Unit", 12) + Right("A", 17) + Right("B", 17) + Right("B - A", 17) + CR;
  for (const ComparisonRow& r : rows)
    s += " " + Padded(r.label, 46) + Padded(r.unit, 12) + Right(Value(r.a), 17) + Right(Value(r.b), 17) +
         Right(Value(r.Difference()), 17) + CR;
  return s;
}

std::string ComparisonCsv(const std::string& nameA, const std::string& nameB, const std::vector<ComparisonRow>& rows) {
  std::string s;
  CsvWriter csv(s, kCsvStream);
  csv.Heading("figure").Heading("label").Heading("unit");
  csv.Quoted("A (" + nameA + ")").Quoted("B (" + nameB + ")").Heading("B - A");
  csv.EndLine();
  for (const ComparisonRow& r : rows) {
    csv.Text(r.name).Quoted(r.label).Quoted(r.unit);
    for (double v : {r.a, r.b, r.Difference()}) {
      if (std::isnan(v))
        csv.Empty();
      else
        csv.Number(v);
    }
    csv.EndLine();
  }
  return s;
}

}  // namespace zorvan
