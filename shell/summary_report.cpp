// Placeholder bodies; replaced by the summary report.
#include "shell/summary_report.h"
namespace zorvan {
std::string EngineSummaryReport(const EngineDesignRecord&, const ProgramValues&) { return {}; }
std::string FlywheelSummaryBlock(const EngineDesignRecord&) { return {}; }
}  // namespace zorvan
