#pragma once
// The allowed range of every input field of the design, with the sentence that
// tells the user about a value outside it. The command line judges --set values
// and whole designs with it, and the input screens judge their boxes with it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

enum class LimitKind {
  Finite,       // any number (an offset may be negative)
  Positive,     // above 0: speeds, pressures, and what a calculation divides by
  NotNegative,  // at least 0: masses, lengths
  Closed,       // low to high, both allowed
  AboveLow,     // above low and at most high
  Code,         // a whole number from low to high (rounded first, as the field stores it)
  StrokeCycle,  // 2 or 4
  Angle,        // at least 0 and below 360
  FiringAngle,  // at least 0 and below one cycle: 720 four-stroke, 360 two-stroke
  Cylinder,     // a cylinder number, 1 to NumCylinders (firing order entries)
  DeviceType,   // the text "Engine" or "Pump"
};

struct InputLimit {
  const char* field;  // the name in the field table
  const char* label;  // the quantity as the screens name it ("Idle RPM"); for the
                      // per-cylinder lists the noun of "the ... of cylinder k"
  LimitKind kind;
  double low = 0, high = 0;  // Closed, AboveLow and Code only
};

// One row for each input field of the field table, in its order.
const std::vector<InputLimit>& InputLimits();
// The row of that field, or nullptr.
const InputLimit* FindInputLimit(std::string_view field);

// The message for one value of a field, or none when the value is allowed.
// Whole-number fields are judged as they store the value, rounded half to even.
// `cylinder` is the cylinder (PhaseAngle, FiringAngle) or the place in the
// firing order (FiringOrder) for the per-cylinder lists. Without a design the
// widest context is assumed: firing angles below 720, cylinders up to 16. An
// unknown field name is never refused here.
std::optional<std::string> CheckInputValue(std::string_view field, double value, int cylinder = 0);
// The same judged within the design: firing angles below its cycle, firing
// order entries up to its NumCylinders.
std::optional<std::string> CheckInputValue(const EngineDesignRecord& d, std::string_view field, double value,
                                           int cylinder = 0);

// The firing order's message when rows 1..NumCylinders do not name every
// cylinder exactly once, or none.
// The message for a device type other than "Engine" or "Pump", or none.
std::optional<std::string> CheckMachineType(std::string_view type);

std::optional<std::string> CheckFiringOrder(const EngineDesignRecord& d);

// The first input of the design outside its range, in field-table order, then
// the rules across fields (the firing order; firing angles within the stroke
// cycle; the per-cylinder rows up to NumCylinders only), or none.
std::optional<std::string> CheckDesignInputs(const EngineDesignRecord& d);

}  // namespace zorvan
