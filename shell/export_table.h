#pragma once
// The home screen's export: every result column of the current design over
// crank angle, tab-separated, with one header row of names and units.
#include <string>

#include "core/design_record.h"

namespace zorvan {

// The whole text of the export file (CR LF line ends). Engine columns are
// included when the engine is assembled, the smoothed torque when the flywheel
// is sized.
std::string ExportTableText(const EngineDesignRecord& d);

}  // namespace zorvan
