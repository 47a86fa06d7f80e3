#pragma once
// zorvan-cli dump: the whole calculated design as one JSON object.
#include <ostream>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/flywheel.h"

namespace zorvan::cli {

// dump [MODEL.zrv] [--preset K] [--set FIELD=VALUE]... (args[0] is "dump").
int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The JSON object of a design and its flywheel result: derived, flags, columns,
// tables, HarmonicSums, BankNumber, BankAngle, flywheel.
void WriteDumpJson(const EngineDesignRecord& d, const FlywheelResult& flywheel, std::ostream& out);

}  // namespace zorvan::cli
