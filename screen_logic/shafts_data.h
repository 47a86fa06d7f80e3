#pragma once
// The logic of the balance shafts screen: the design's shafts as rows of box
// texts in the design's display units, read back with one message naming the
// first bad row (and nothing taken), and the sizing of the shafts of an
// order. It works on the record and on the rows; the widgets copy them.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/balance_shafts.h"
#include "core/design_record.h"

namespace zorvan {

// One shaft's boxes: order, sense ("with" or "against" the crank), mass
// times radius, phase (deg) and place from the engine's centre.
using ShaftRow = std::array<std::string, 5>;

// The column titles with their units: "Mass x radius (bl-in)", "Place (in)".
std::array<std::string, 5> ShaftColumnTitles(const EngineDesignRecord& d);
// The design's shafts as rows, values with up to 9 significant digits.
std::vector<ShaftRow> ShaftRows(const EngineDesignRecord& d);
// The rows as shafts; none of them (and `shafts` untouched) with the message
// "Row 2: the order must be 1 or 2." for the first bad row.
std::optional<std::string> ReadShaftRows(const EngineDesignRecord& d, const std::vector<ShaftRow>& rows,
                                         std::vector<BalanceShaft>& shafts);

}  // namespace zorvan
