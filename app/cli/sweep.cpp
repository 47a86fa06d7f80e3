// zorvan-cli sweep: every design of a grid of varied inputs calculated as
// dump calculates one, its figures written as one CSV row, in grid order
// (app/cli/ordered_rows.h).
#include "app/cli/sweep.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "app/cli/design_args.h"
#include "core/pressure_trace.h"
#include "app/cli/ordered_rows.h"
#include "core/design_figures.h"
#include "core/error_report.h"
#include "core/field_table.h"
#include "core/grid_axis.h"
#include "core/csv_writer.h"
#include "core/design_runner.h"
#include "core/number_text.h"
#include "files/atomic_file.h"

namespace zorvan::cli {

namespace {

constexpr std::size_t kMaxVaried = 3;
constexpr double kMaxDesigns = 10'000'000;
constexpr int kMaxJobs = 256;

struct Varied {
  std::string field;  // as the field table names it
  int entry = 0;      // a per-cylinder list: the cylinder
  GridAxis axis;
  std::size_t count = 0;
  std::string Heading() const { return entry > 0 ? field + "[" + std::to_string(entry) + "]" : field; }
};

struct SweepOptions {
  std::vector<Varied> varied;
  std::vector<std::size_t> figures;
  int jobs = 0;
  std::string outPath;
};

// A finite number, as a setting's value is read.
bool Number(std::string_view text, double& v) { return ParseNumber(text, v) && std::isfinite(v); }

// FIELD=FROM:TO:STEP or LIST[K]=FROM:TO:STEP; false with a message on err.
bool ParseVaried(const std::string& setting, Varied& v, std::ostream& err) {
  auto refuse = [&](const std::string& why) {
    err << "zorvan-cli: --vary " << setting << ": " << why << "\n";
    return false;
  };
  const std::size_t eq = setting.find('=');
  if (eq == std::string::npos) return refuse("needs FIELD=FROM:TO:STEP");
  std::string name = setting.substr(0, eq);
  if (const std::size_t open = name.find('['); open != std::string::npos) {
    if (name.back() != ']') return refuse("needs FIELD[K] for one cylinder's entry");
    double k;
    if (!Number(name.substr(open + 1, name.size() - open - 2), k) || k != std::floor(k) || k < 1 ||
        k > kMaxCylinders)
      return refuse("the cylinder must be 1 to " + std::to_string(kMaxCylinders));
    v.entry = static_cast<int>(k);
    name.resize(open);
  }
  const DesignField* f = FindDesignField(name);
  if (!f || f->role != FieldRole::Input) return refuse("unknown field '" + name + "'");
  if (IsText(*f)) return refuse(name + " is not a number");
  if (IsCylinderList(*f) != (v.entry > 0))
    return refuse(v.entry > 0 ? name + " has one value, not one per cylinder"
                              : name + " takes one cylinder's entry: " + name + "[K]");
  v.field = name;
  const std::string range = setting.substr(eq + 1);
  const std::size_t c1 = range.find(':'), c2 = c1 == std::string::npos ? c1 : range.find(':', c1 + 1);
  double from, to, step;
  if (c2 == std::string::npos || range.find(':', c2 + 1) != std::string::npos ||
      !Number(range.substr(0, c1), from) || !Number(range.substr(c1 + 1, c2 - c1 - 1), to) ||
      !Number(range.substr(c2 + 1), step))
    return refuse("needs FROM:TO:STEP, three finite numbers");
  if (step == 0) return refuse("the step must not be 0");
  if ((to - from) * step < 0) return refuse("the step goes away from TO");
  if (IsWholeNumber(*f) && (from != std::floor(from) || step != std::floor(step)))
    return refuse(name + " takes whole numbers and whole steps");
  v.axis = {from, to, step};
  const double count = v.axis.Count();
  if (!(count <= kMaxDesigns)) return refuse("more than 10000000 values");
  v.count = static_cast<std::size_t>(count);
  return true;
}

bool ParseFigures(const std::string& list, std::vector<std::size_t>& figures, std::ostream& err) {
  figures.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    const std::string name = list.substr(start, comma - start);
    const std::optional<std::size_t> k = FindDesignFigure(name);
    if (!k) {
      err << "zorvan-cli: --figures: unknown figure '" << name << "'\n";
      return false;
    }
    if (std::find(figures.begin(), figures.end(), *k) == figures.end()) figures.push_back(*k);
    if (comma == std::string::npos) return true;
    start = comma + 1;
  }
}

// Takes the sweep's own options out of args; the rest are design arguments.
int ParseSweepOptions(const std::vector<std::string>& args, SweepOptions& o, std::vector<std::string>& rest,
                      std::ostream& err) {
  for (std::size_t k = 0; k < DesignFigures().size(); ++k) o.figures.push_back(k);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--vary" && a != "--figures" && a != "--jobs" && a != "-o" && a != "--out") {
      rest.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "zorvan-cli: " << a << " needs a value\n";
      return 2;
    }
    const std::string& value = args[++i];
    if (a == "--vary") {
      Varied v;
      if (!ParseVaried(value, v, err)) return 2;
      for (const Varied& earlier : o.varied)
        if (earlier.field == v.field && earlier.entry == v.entry) {
          err << "zorvan-cli: --vary " << v.Heading() << " is given twice\n";
          return 2;
        }
      o.varied.push_back(v);
    } else if (a == "--figures") {
      if (!ParseFigures(value, o.figures, err)) return 2;
    } else if (a == "--jobs") {
      double n;
      if (!Number(value, n) || n != std::floor(n) || n < 1 || n > kMaxJobs) {
        err << "zorvan-cli: --jobs must be 1 to " << kMaxJobs << ", not '" << value << "'\n";
        return 2;
      }
      o.jobs = static_cast<int>(n);
    } else {
      o.outPath = value;
    }
  }
  if (o.varied.empty() || o.varied.size() > kMaxVaried) {
    err << "zorvan-cli: sweep takes 1 to " << kMaxVaried << " --vary fields, not " << o.varied.size() << "\n";
    return 2;
  }
  double designs = 1;
  for (const Varied& v : o.varied) designs *= static_cast<double>(v.count);
  if (designs > kMaxDesigns) {
    err << "zorvan-cli: the grid has " << DigitsText(designs) << " designs, more than 10000000\n";
    return 2;
  }
  if (o.jobs == 0) o.jobs = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
  return 0;
}

// One worker: its own design and its runner's request.
class GridWorker {
 public:
  GridWorker(const EngineDesignRecord& base, const DesignArgs& args, const SweepOptions& o)
      : base_(base), options_(o), d_(std::make_unique<EngineDesignRecord>()) {
    request_.verb = "--vary";
    request_.judgeEachSetting = true;
    request_.madeBefore = args.sets;
    for (const Varied& v : o.varied) request_.settings.push_back({v.field, "", v.entry});
    request_.figures = o.figures;
    for (std::size_t k : o.figures) request_.flywheel = request_.flywheel || DesignFigures()[k].needsFlywheel;
  }

  // The CSV row of design `index` of the grid (the last varied field fastest).
  void Row(std::size_t index, std::string& row) {
    row.clear();
    for (std::size_t k = options_.varied.size(); k-- > 0;) {
      const Varied& v = options_.varied[k];
      request_.settings[k].value = DigitsText(v.axis.Value(index % v.count));
      index /= v.count;
    }
    CsvWriter csv(row, kCsvStream);
    for (const DesignSetting& s : request_.settings) csv.Text(s.value);
    std::string failure;
    try {
      *d_ = base_;
      const RunResult run = RunDesign(*d_, request_);
      failure = run.FailureLine();
      if (run.ok)
        for (double v : run.figures) csv.Number(v);
    } catch (const std::exception& e) {
      failure = FirstLine(ErrorReportText(ErrorNumberOf(e), ErrorDescriptionOf(e), "sweep"));
    }
    if (failure.empty()) {
      csv.Empty();
    } else {  // empty figures, then the failure
      for (std::size_t k = 0; k < options_.figures.size(); ++k) csv.Empty();
      csv.Quoted(failure);
    }
    csv.EndLine();
  }

 private:
  const EngineDesignRecord& base_;
  const SweepOptions& options_;
  RunRequest request_;
  std::unique_ptr<EngineDesignRecord> d_;
};

std::string HeaderLine(const EngineDesignRecord& d, const SweepOptions& o) {
  std::string line;
  CsvWriter csv(line, kCsvStream);
  for (const Varied& v : o.varied) csv.Heading(v.Heading(), HeldUnitLabel(d, Field(v.field).unitSlot));
  for (std::size_t k : o.figures) csv.Heading(DesignFigures()[k].name, FigureUnitLabel(d, DesignFigures()[k].unit));
  csv.Heading("error").EndLine();
  return line;
}

// Where the rows go: standard output, or a file put in place once complete.
class RowSink {
 public:
  RowSink(std::ostream& out, const std::string& path) : out_(out) {
    if (!path.empty()) file_ = std::make_unique<AtomicFileWriter>(path);
  }
  void Write(const std::string& text) {
    if (file_)
      file_->Write(text);
    else if (!out_.write(text.data(), static_cast<std::streamsize>(text.size())))
      RaiseError(err::DeviceIO);
  }
  void Finish() {
    if (file_)
      file_->Commit();
    else if (!out_.flush())
      RaiseError(err::DeviceIO);
  }

 private:
  std::ostream& out_;
  std::unique_ptr<AtomicFileWriter> file_;
};

// Progress on a terminal, once the sweep has run a second.
class Progress {
 public:
  explicit Progress(std::ostream& err, std::size_t total)
      : err_(err), total_(total), shown_(&err == &std::cerr && ::isatty(STDERR_FILENO)) {}
  void Update(std::size_t done) {
    if (!shown_) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(250)) return;
    last_ = now;
    printed_ = true;
    err_ << "\rzorvan-cli sweep: " << done << " of " << total_ << " designs" << std::flush;
  }
  ~Progress() {
    if (printed_) err_ << "\rzorvan-cli sweep: " << total_ << " of " << total_ << " designs\n";
  }

 private:
  std::ostream& err_;
  std::size_t total_;
  bool shown_, printed_ = false;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now(), last_{};
};

// Runs the grid on `jobs` workers, each with its own design, and writes the rows in grid order.
void RunGrid(const EngineDesignRecord& base, const DesignArgs& args, const SweepOptions& o, std::size_t total,
             RowSink& sink, Progress& progress) {
  WriteRowsInOrder(
      total, o.jobs,
      [&]() -> RowMaker {
        auto runner = std::make_shared<GridWorker>(base, args, o);
        return [runner](std::size_t index, std::string& row) { runner->Row(index, row); };
      },
      [&](const std::string& rows) { sink.Write(rows); }, [&](std::size_t written) { progress.Update(written); });
}

}  // namespace

int Sweep(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SweepOptions options;
  std::vector<std::string> rest;
  if (int code = ParseSweepOptions(args, options, rest, err)) return code;
  DesignArgs parsed;
  if (int code = ParseDesignArgs(rest, 0, parsed, err)) return code;

  auto base = std::make_unique<EngineDesignRecord>();
  ProgramValues values;
  MessageList messages;
  BuildOutcome started = StartDesign(parsed, *base, values, messages, err);
  // The settings the grid starts from, assigned once; each design is judged whole.
  if (started.exitCode == 0 && !started.endNow) {
    RunRequest settings;
    settings.settings = parsed.sets;
    settings.judgeDesign = settings.calculate = false;
    const RunResult set = RunDesign(*base, settings);
    messages.Append(set.messages);
    if (!set.ok) started.exitCode = 1;
  }
  WriteMessages(messages, err);
  if (started.exitCode != 0) return started.exitCode;
  // A pressure trace that does not fit the design is refused before a row is written.
  if (auto fault = PressureFault(*base)) {
    err << "zorvan-cli: " << *fault << "\n";
    return 2;
  }

  std::size_t total = 1;
  for (const Varied& v : options.varied) total *= v.count;
  try {
    RowSink sink(out, options.outPath);
    Progress progress(err, total);
    sink.Write(HeaderLine(*base, options));
    RunGrid(*base, parsed, options, total, sink, progress);
    sink.Finish();
  } catch (const std::exception& e) {
    const std::string where = options.outPath.empty() ? "standard output" : "'" + options.outPath + "'";
    err << "zorvan-cli: " << FirstLine(ErrorReportText(ErrorNumberOf(e), ErrorDescriptionOf(e), "sweep"))
        << "; the study was not written to " << where << "\n";
    return 1;
  }
  return 0;
}

}  // namespace zorvan::cli
