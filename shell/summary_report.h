#pragma once
// The engine summary report and the flywheel summary block.
#include <string>

#include "core/design_record.h"
#include "core/program_values.h"

namespace zorvan {
std::string EngineSummaryReport(const EngineDesignRecord& d, const ProgramValues& v);
std::string FlywheelSummaryBlock(const EngineDesignRecord& d);
}  // namespace zorvan
