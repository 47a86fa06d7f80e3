#pragma once
// One design from a base: settings assigned in order, the design judged
// against the input limits, the calculation chain, the flywheel and the
// study figures. The command line's design arguments, its sweep and the
// desktop's design study all run their designs here, so each gives the
// same numbers and the same messages for the same design.
#include <optional>
#include <string>
#include <vector>

#include "core/balance_shafts.h"
#include "core/design_record.h"
#include "core/design_settings.h"
#include "core/flywheel.h"
#include "platform/messages.h"

namespace zorvan {

struct RunRequest {
  std::vector<DesignSetting> settings;  // assigned to the base in order
  // Names a setting's failure in its report: "<verb> <field>".
  std::string verb = "--set";
  // Each value judged within the design so far before it is assigned (a grid's
  // values were never checked on their own).
  bool judgeEachSetting = false;
  // The whole design judged against the input limits once it is set.
  bool judgeDesign = true;
  // Settings the base already holds: a counterweight among them is given too.
  std::vector<DesignSetting> madeBefore;
  bool calculate = true;  // Engine_Data and the whole chain; false: set and judge only
  bool flywheel = false;
  // Balance shafts of these orders sized anew for the calculated design.
  std::optional<ShaftChoice> sizeShafts;
  std::vector<std::size_t> figures;  // indexes of DesignFigures(), read when calculated
  // The shaking figures are those of the engine with its balance shafts, if
  // it has any, with the moments about this point.
  MomentReference figureMoments = MomentReference::Cylinder1;
};

// A value or a design outside the input limits: the limit's sentence and the
// procedure it stopped (an error 5 where a report is wanted).
struct Refusal {
  std::string sentence;
  std::string procedure;
};

struct RunResult {
  bool set = false;  // every setting assigned
  std::optional<Refusal> refusal;
  bool ok = false;   // every step asked for ran (the figures too)
  MessageList messages;     // what the design told, error reports included
  FlywheelResult flywheel;
  std::vector<double> figures;
  // The first line of the report of what stopped the design; empty when nothing did.
  std::string FailureLine() const;
};

// Runs the request on `d` in place; stops at the first step that fails.
RunResult RunDesign(EngineDesignRecord& d, const RunRequest& request);

}  // namespace zorvan
