#pragma once
// The design arguments shared by the zorvan-cli commands:
//   [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...
// and the steps that build and calculate the design they describe.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/design_record.h"
#include "core/flywheel.h"
#include "app/cli/message_log.h"
#include "core/program_values.h"

namespace zorvan::cli {

struct FieldSetting {
  std::string field;
  std::string value;
  int entry = 0;  // a per-cylinder list: 0 the list as given, k only cylinder k's entry
};

struct DesignArgs {
  std::string modelPath;           // empty: start from the start-up design only
  int preset = -1;                 // -1: none
  std::vector<FieldSetting> sets;  // in command-line order
  // Command-specific options (named by the caller) with their values, in order.
  std::vector<std::pair<std::string, std::string>> options;
};

// Reads the design arguments from args[first..]. `commandOptions` names the
// options of the command itself that take a value (e.g. "--out"); they are kept
// in `options`. Anything else unknown, a second model path, an unknown field,
// a value that is not a number or one outside the field's limits is refused:
// returns 2 with a message on err. Arrangement also takes its names.
// Returns 0 when every argument was understood.
int ParseDesignArgs(const std::vector<std::string>& args, std::size_t first, DesignArgs& out,
                    std::ostream& err, const std::vector<std::string>& commandOptions = {});

struct BuildOutcome {
  int exitCode = 0;     // 0, 1 (a failure was reported on the ui) or the model reader's code
  bool endNow = false;  // true: the command ends with exitCode and prints nothing
};

// Checks one FIELD=VALUE setting as --set does (Arrangement names become their
// codes); 2 with a message on err when it is refused, else 0.
int CheckSetting(FieldSetting& s, std::ostream& err);
// Assigns a setting CheckSetting accepted; a value out of the field's range raises error 6.
void AssignSetting(EngineDesignRecord& d, const FieldSetting& s);

// Initialize, read the model file, apply the preset, then each --set in order,
// without judging the result against the input limits (BuildDesign does).
BuildOutcome StartDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values, MessageLog& ui,
                         std::ostream& err);

// Initialize, read the model file, apply the preset, then each --set in order.
// Stops at the first step that fails. Failures are shown on `ui` (error report).
// A design whose inputs are outside their limits ends the command with exit
// code 2 and the limit's message on err.
BuildOutcome BuildDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values,
                         MessageLog& ui, std::ostream& err);

// Engine_Data, recalculate-all and the flywheel, in that order, stopping at the
// first step that fails (its report is on `ui`). True when all succeeded.
// A counterweight given with --set is the one the engine is computed with;
// otherwise recalculate-all sets the throw's own balancing counterweight.
// Without `withFlywheel` the chain ends after the multi-cylinder pass.
bool CalculateDesign(const DesignArgs& args, EngineDesignRecord& d, Ui& ui, FlywheelResult& flywheel,
                     bool withFlywheel = true);

// Writes the message boxes recorded on `ui` to err, each followed by a newline
// (carriage returns become newlines), and forgets them.
void WriteMessages(MessageLog& ui, std::ostream& err);

}  // namespace zorvan::cli
