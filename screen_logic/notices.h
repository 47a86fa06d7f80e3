#pragma once
// The texts of the balance notices and the design notices. CR ("\r") breaks
// the lines; the firing-arrangement table separates its columns by TAB.
#include <cstdint>
#include <string>

#include "core/design_record.h"
#include "core/firing_order.h"
#include "platform/ui.h"

namespace zorvan {

enum class BalanceKind { Force, Moment, Torque };
// The opening text of a balance notice: the phase angles and the engine.
std::string BalanceNoticeHeader(const EngineDesignRecord& d, BalanceKind kind);
// The harmonic balance notice of one kind, from the last harmonic sums.
std::string BalanceNoticeText(const EngineDesignRecord& d, BalanceKind kind);
// The lumped-mass notice.
std::string MassNoticeText(const EngineDesignRecord& d);
// The firing-arrangement text. A firing-order entry that is not the number of
// one of the design's cylinders is listed as it stands, with empty columns.
std::string FiringArrangementText(const EngineDesignRecord& d);
// The cylinder-spacing notice.
std::string SpacingNoticeText();
// The suggestions notice.
std::string SuggestionsNoticeText();
// The guidelines notice for a two- or four-stroke cycle.
std::string GuidelinesNoticeText(int16_t strokeCycle);
// The phase-angle advice.
std::string PhaseAngleAdviceText(const EngineDesignRecord& d);

}  // namespace zorvan
