#pragma once
// An input field set by name, as the command line's --set, a sweep's --vary,
// the design study and scripts set one: checked against the field table and
// the input limits, then assigned.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

struct DesignSetting {
  std::string field;  // as the field table names it
  std::string value;  // a number; a comma list for a per-cylinder list; Arrangement
                      // and MachineType also by name
  int entry = 0;      // a per-cylinder list: 0 the list as given, k only cylinder k's entry
};

// A decimal number (exponent form, "nan" and "inf" included); false for anything else.
bool ParseNumber(std::string_view text, double& value);

// Why a setting is refused before it is assigned ("unknown field 'X'",
// "IdleRPM: 'x' is not a number", "IdleRPM: Idle RPM must be above 0."), or
// none. Arrangement names become their codes. Values are judged without a
// design: the widest context is assumed.
std::optional<std::string> CheckSetting(DesignSetting& s);
// Assigns a setting CheckSetting accepted; a value out of the field's range
// raises error 6 and leaves the field as it was (a list: all its entries).
void AssignSetting(EngineDesignRecord& d, const DesignSetting& s);

// Whether a setting names one of the counterweight's fields: a counterweight
// set by hand is the one the engine is computed with.
bool SetsCounterweight(const DesignSetting& s);

}  // namespace zorvan
