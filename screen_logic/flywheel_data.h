#pragma once
// The flywheel screen's logic: the coefficient of fluctuation box and the
// size of the flywheel beside the energy table.
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/flywheel.h"
#include "platform/ui.h"

namespace zorvan {

extern const char* const kCoefFluctMessage;
constexpr float kCoefFluctRetry = 0.05f;

// The box's text when it is left or Enter is pressed: a value above 0 and at
// most 1 becomes CoefFluct (true); anything else shows the message and sets
// CoefFluct to 0.05 (false).
bool AcceptCoefFluct(EngineDesignRecord& d, Ui& ui, const std::string& text);

// The energy swing and the flywheel's moment of inertia with their units, as
// the screen shows them: "Energy swing dE = ..." and "Flywheel inertia I = ...".
std::vector<std::string> FlywheelSizeLines(const EngineDesignRecord& d, const FlywheelResult& r);

// The four extremes as the result labels show them (rounded to whole numbers):
// minimum without, minimum with, maximum without, maximum with the flywheel.
std::vector<std::string> TorqueExtremeTexts(const EngineDesignRecord& d);

}  // namespace zorvan
