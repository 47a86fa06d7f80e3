// zorvan-cli sweep: every design of a grid of varied inputs calculated as
// dump calculates one, its figures written as one CSV row, in grid order
// (core/design_sweep.h); --shard K/N writes one part of the grid.
#include "app/cli/sweep.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "app/cli/design_args.h"
#include "core/pressure_trace.h"
#include "core/design_figures.h"
#include "core/design_runner.h"
#include "core/design_sweep.h"
#include "core/error_report.h"
#include "files/atomic_file.h"

namespace zorvan::cli {

namespace {

constexpr int kMaxJobs = 256;

struct SweepOptions {
  SweepGrid grid;
  std::string shard;  // K/N, judged once the grid's size is known
  int jobs = 0;
  std::string outPath;
};

// A finite number, as a setting's value is read.
bool Number(std::string_view text, double& v) { return ParseNumber(text, v) && std::isfinite(v); }

// K/N: two whole numbers in digits, 1 <= K <= N <= the designs of the grid.
bool ParseShard(const std::string& text, std::size_t designs, GridPart& part, std::ostream& err) {
  auto whole = [](std::string_view digits, std::size_t& n) {
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    return !digits.empty() && ec == std::errc() && end == digits.data() + digits.size();
  };
  const std::size_t slash = text.find('/');
  std::size_t k = 0, n = 0;
  if (slash == std::string::npos || !whole(std::string_view(text).substr(0, slash), k) ||
      !whole(std::string_view(text).substr(slash + 1), n) || n == 0) {
    err << "zorvan-cli: --shard needs K/N, two whole numbers, not '" << text << "'\n";
    return false;
  }
  if (k < 1 || k > n) {
    err << "zorvan-cli: --shard " << text << ": K must be 1 to " << n << "\n";
    return false;
  }
  if (n > designs) {
    err << "zorvan-cli: --shard " << text << ": the grid has " << designs << " designs, fewer than " << n
        << " shards\n";
    return false;
  }
  part = PartOfGrid(designs, k, n);
  return true;
}

// Takes the sweep's own options out of args; the rest are design arguments.
int ParseSweepOptions(const std::vector<std::string>& args, SweepOptions& o, std::vector<std::string>& rest,
                      std::ostream& err) {
  for (std::size_t k = 0; k < DesignFigures().size(); ++k) o.grid.figures.push_back(k);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a != "--vary" && a != "--figures" && a != "--jobs" && a != "--shard" && a != "-o" && a != "--out") {
      rest.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "zorvan-cli: " << a << " needs a value\n";
      return 2;
    }
    const std::string& value = args[++i];
    if (a == "--vary") {
      VariedField v;
      if (auto refusal = ParseVariedField(value, v)) {
        err << "zorvan-cli: --vary " << value << ": " << *refusal << "\n";
        return 2;
      }
      for (const VariedField& earlier : o.grid.varied)
        if (earlier.field == v.field && earlier.entry == v.entry) {
          err << "zorvan-cli: --vary " << v.Heading() << " is given twice\n";
          return 2;
        }
      o.grid.varied.push_back(v);
    } else if (a == "--figures") {
      if (auto refusal = ParseFigureList(value, o.grid.figures)) {
        err << "zorvan-cli: --figures: " << *refusal << "\n";
        return 2;
      }
    } else if (a == "--shard") {
      o.shard = value;
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
  if (o.grid.varied.empty() || o.grid.varied.size() > kMaxVariedFields) {
    err << "zorvan-cli: sweep takes 1 to " << kMaxVariedFields << " --vary fields, not " << o.grid.varied.size()
        << "\n";
    return 2;
  }
  if (auto refusal = CheckGrid(o.grid)) {  // too many designs
    err << "zorvan-cli: " << *refusal << "\n";
    return 2;
  }
  if (o.jobs == 0) o.jobs = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
  return 0;
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

}  // namespace

int Sweep(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  SweepOptions options;
  std::vector<std::string> rest;
  if (int code = ParseSweepOptions(args, options, rest, err)) return code;
  DesignArgs parsed;
  if (int code = ParseDesignArgs(rest, 0, parsed, err, {kBalancerOption, kMomentsOption})) return code;
  if (int code = ReadShaftOptions(parsed, MomentReference::Cylinder1, err)) return code;
  options.grid.sizeShafts = parsed.balancer;
  options.grid.moments = parsed.moments;
  GridPart part{0, options.grid.Designs()};
  if (!options.shard.empty() && !ParseShard(options.shard, part.count, part, err)) return 2;

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

  const std::size_t figures = options.grid.figures.size();
  try {
    RowSink sink(out, options.outPath);
    Progress progress(err, part.count);
    sink.Write(SweepHeaderLine(*base, options.grid));
    RunGrid(
        *base, parsed.sets, options.grid, part, options.jobs,
        [figures](std::size_t, const GridDesign& design, std::string& row) { AppendSweepRow(design, figures, row); },
        [&](const std::string& rows) { sink.Write(rows); }, [&](std::size_t written) { progress.Update(written); });
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
