// The design runner: set, judge, derive, calculate, size the flywheel, read
// the figures, in that order, each step working on what the one before made.
#include "core/design_runner.h"

#include <algorithm>

#include "core/design.h"
#include "core/design_figures.h"
#include "core/error_report.h"
#include "core/field_table.h"
#include "core/input_limits.h"
#include "core/pressure_trace.h"
#include "core/recalculate.h"

namespace zorvan {

namespace {

bool Assign(EngineDesignRecord& d, const RunRequest& r, RunResult& out) {
  for (const DesignSetting& s : r.settings) {
    const std::string procedure = r.verb + " " + s.field;
    if (r.judgeEachSetting) {
      double value = 0;
      ParseNumber(s.value, value);
      if (auto message = CheckInputValue(d, s.field, value, s.entry)) {
        out.refusal = Refusal{s.field + ": " + *message, procedure};
        return false;
      }
    }
    if (!Guarded(out.messages, procedure, [&] { AssignSetting(d, s); })) return false;
  }
  return true;
}

bool GivesCounterweight(const std::vector<DesignSetting>& settings) {
  return std::any_of(settings.begin(), settings.end(), SetsCounterweight);
}

// The derivation step sets the counterweight radius from the crank; a
// counterweight given by a setting is put back over it, and the engine is
// computed with it rather than with the throw's own balancing one.
bool Calculate(EngineDesignRecord& d, const RunRequest& r, RunResult& out) {
  const bool given = GivesCounterweight(r.madeBefore) || GivesCounterweight(r.settings);
  auto givenAgain = [&] {
    return Guarded(out.messages, "--set Counterweight", [&] {
      for (const auto* list : {&r.madeBefore, &r.settings})
        for (const DesignSetting& s : *list)
          if (SetsCounterweight(s)) AssignSetting(d, s);
    });
  };
  MessageList& m = out.messages;
  return Engine_Data(d, m) && (!given || givenAgain()) &&
         (given ? RecalculateKeepingCounterweight(d, m) : RecalculateAll(d, m)) &&
         (!r.flywheel || FlywheelCalculation(d, m, out.flywheel)) &&
         (!r.sizeShafts || SizeDesignShafts(d, *r.sizeShafts, m));
}

bool ReadFigures(const EngineDesignRecord& d, const RunRequest& r, RunResult& out) {
  return Guarded(out.messages, "Design_Figures", [&] {
    out.figures.clear();
    if (r.figures.empty()) return;
    const FigureShaking shaking(d, r.figureMoments);
    FigureSource source = shaking.Source(&out.flywheel);
    for (std::size_t k : r.figures) out.figures.push_back(FigureValue(source, k));
  });
}

}  // namespace

std::string RunResult::FailureLine() const {
  if (refusal) return FirstLine(ErrorReportText(err::InvalidCall, refusal->sentence, refusal->procedure));
  if (const Message* m = messages.FirstError()) return FirstLine(m->text);
  if (ok) return {};
  return FirstLine(ErrorReportText(51, "the calculation stopped", "Design_Runner"));
}

RunResult RunDesign(EngineDesignRecord& d, const RunRequest& r) {
  RunResult out;
  out.set = Assign(d, r, out);
  if (!out.set) return out;
  // The design as given, whatever it came from, is judged before it is calculated.
  if (auto message = r.judgeDesign ? CheckDesignInputs(d) : std::nullopt) {
    out.refusal = Refusal{*message, "Input_Limits"};
    return out;
  }
  // A pressure trace must cover the design's cycle and match its cylinders.
  if (auto fault = r.judgeDesign ? PressureFault(d) : std::nullopt) {
    out.refusal = Refusal{*fault, "Pressure_Trace"};
    return out;
  }
  out.ok = !r.calculate || (Calculate(d, r, out) && ReadFigures(d, r, out));
  return out;
}

}  // namespace zorvan
