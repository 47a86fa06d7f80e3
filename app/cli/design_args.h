#pragma once
// The design arguments shared by the zorvan-cli commands:
//   [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...
// and the steps that build and calculate the design they describe.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/balance_shafts.h"
#include "core/design_record.h"
#include "core/design_settings.h"
#include "core/flywheel.h"
#include "core/program_values.h"
#include "files/pressure_file.h"
#include "platform/messages.h"

namespace zorvan::cli {

struct DesignArgs {
  std::string modelPath;            // empty: start from the start-up design only
  int preset = -1;                  // -1: none
  std::vector<DesignSetting> sets;  // in command-line order
  // --pressure FILE [--pressure-unit U] [--gauge|--absolute] [--crankcase P] [--tdc-offset DEG]
  std::string pressurePath;         // empty: the model file's trace, or the built-in curve
  PressureReadOptions pressure;
  // Command-specific options (named by the caller) with their values, in order.
  std::vector<std::pair<std::string, std::string>> options;
  // --balancer first|second|both: shafts sized for the calculated design.
  std::optional<ShaftChoice> balancer;
  // --moments-about centre|cylinder1.
  MomentReference moments = MomentReference::Centre;
};

// The options of the commands that take balance shafts and the moments'
// reference point: each takes a value, given to ParseDesignArgs.
inline const char* const kBalancerOption = "--balancer";
inline const char* const kMomentsOption = "--moments-about";
// Reads --balancer and --moments-about out of parsed.options (leaving the
// others), `moments` starting at `defaultMoments`. Returns 0, or 2 with a
// message for a value it does not know.
int ReadShaftOptions(DesignArgs& parsed, MomentReference defaultMoments, std::ostream& err);
// The design arguments that take a value (--set, --preset, --pressure ...),
// for commands that pick their own flags out of the arguments first.
bool IsDesignOptionWithValue(const std::string& option);

// Reads the design arguments from args[first..]. `commandOptions` names the
// options of the command itself that take a value (e.g. "--out"); they are kept
// in `options`. Anything else unknown, a second model path, an unknown field,
// a value that is not a number or one outside the field's limits is refused:
// returns 2 with a message on err. Arrangement also takes its names.
// Returns 0 when every argument was understood.
int ParseDesignArgs(const std::vector<std::string>& args, std::size_t first, DesignArgs& out,
                    std::ostream& err, const std::vector<std::string>& commandOptions = {});

struct BuildOutcome {
  int exitCode = 0;     // 0, 1 (a failure was reported) or the model reader's code
  bool endNow = false;  // true: the command ends with exitCode and prints nothing
};

// The design the arguments start from, before their settings: Initialize,
// the model file, the preset, the pressure trace. Stops at the first step
// that fails; a trace file that cannot be taken ends the command with 2.
BuildOutcome StartDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values,
                         MessageList& messages, std::ostream& err);

// A design built from the command line and calculated.
struct CalculatedDesign {
  EngineDesignRecord d;
  ProgramValues values;
  MessageList messages;
  FlywheelResult flywheel;
  bool ok = false;  // every step succeeded
};

// Builds the design of `parsed` (start, then each --set in order), judges it
// against the input limits, lets `adjust` change it, and calculates it (the
// flywheel too unless told not to, and the shafts of --balancer). Returns 0 to go on (c.ok tells whether
// every step succeeded; the messages wait in c.messages), or the exit code to
// end with at once (the messages already written to err): 2 and the limit's
// sentence for a design outside the input limits.
int BuildAndCalculate(const DesignArgs& parsed, CalculatedDesign& c, std::ostream& err, bool withFlywheel = true,
                      const std::function<void(EngineDesignRecord&)>& adjust = {});

// Writes the messages to err, each followed by a newline (carriage returns
// become newlines), and forgets them.
// What export and pressure share: builds and calculates the design, then
// writes the text `make` forms of it to the -o path of `parsed` (replaced only
// when complete) or to out; a text that cannot be formed or written is
// reported under `procedure`. Returns the exit code.
int WriteDesignOutput(const DesignArgs& parsed, std::ostream& out, std::ostream& err, const char* procedure,
                      const std::function<std::string(const EngineDesignRecord&)>& make);

void WriteMessages(MessageList& messages, std::ostream& err);

}  // namespace zorvan::cli
