#pragma once
// What every plot and table shows about the design above its numbers: the
// phase, firing-order and firing-angle lines, and the design summary panel
// ("Cylinder Data" and "Engine Data"), in the units the user sees.
#include <string>
#include <utility>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

// "Phase Angles:  " with the phase angles, "Firing Order:  " with the firing
// order, "Firing Angles:  " with the firing angles in firing order; the
// numbers with a sign position, ", " between them. Captions only without the
// assembled engine.
std::string PhaseLine(const EngineDesignRecord& d);
std::string FiringOrderLine(const EngineDesignRecord& d);
std::string FiringAngleLine(const EngineDesignRecord& d);

struct SummaryRow {
  std::string caption, value, unit;
};
// The panel's rows: the cylinder's, then the engine's (those the flags offer).
std::vector<SummaryRow> CylinderSummary(const EngineDesignRecord& d);
std::vector<SummaryRow> EngineSummary(const EngineDesignRecord& d);
// The rows as the summary panels show them: "caption:  value unit", one a line.
std::string SummaryText(const std::vector<SummaryRow>& rows);

}  // namespace zorvan
