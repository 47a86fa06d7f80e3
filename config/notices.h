#pragma once
// The texts of the balance notices and the design notices.
#include <string>

#include "core/design_record.h"

namespace zorvan {

enum class BalanceKind { Force, Moment, Torque };
// The harmonic balance notice of one kind, from the last harmonic sums.
std::string BalanceNoticeText(const EngineDesignRecord& d, BalanceKind kind);
// The lumped-mass notice.
std::string MassNoticeText(const EngineDesignRecord& d);
// The firing-arrangement text.
std::string FiringArrangementText(const EngineDesignRecord& d);

}  // namespace zorvan
