#pragma once
// zorvan-cli dump: the whole calculated design as one JSON object.
#include <ostream>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/flywheel.h"
#include "core/moment_reference.h"

namespace zorvan::cli {

// dump [--balancer first|second|both] [--moments-about centre|cylinder1]
// [MODEL.zrv] [--preset K] [--set FIELD=VALUE]... (args[0] is "dump").
int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The JSON object of a design and its flywheel result: derived, flags, columns,
// tables, HarmonicSums, BankNumber, BankAngle, flywheel, rodload, orders (the
// moments about `moments`) and, for a design with balance shafts, balancer.
void WriteDumpJson(const EngineDesignRecord& d, const FlywheelResult& flywheel, std::ostream& out,
                   MomentReference moments = MomentReference::Centre);

}  // namespace zorvan::cli
