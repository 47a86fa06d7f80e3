#pragma once
// The torsional screen's logic: the station table as cells of text, the
// table the user typed taken into the design (or refused with the one
// sentence that names its first bad row), and the modal damping box.
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/shaft_model.h"

namespace zorvan {

// The cells of a table as the screen shows them: each number with 6
// significant digits, the last stiffness empty.
std::vector<ShaftRowTexts> StationCells(const ShaftTable& t);

// What Calculate does with the cells: a cell left as StationCells showed it
// keeps the exact value of `shown` (the design's own table), so a table
// left as shown changes nothing; another becomes the design's entered shaft
// (changed = true). A bad table is refused with its sentence, and the
// design keeps its shaft.
std::optional<std::string> AcceptStations(EngineDesignRecord& d, const std::vector<ShaftRowTexts>& cells,
                                          const ShaftTable& shown, bool& changed);

// The modal damping box, in percent of critical: 0 to below 100. The ratio,
// or nothing when the text is not such a number.
std::optional<double> ModalRatioOf(const std::string& percentText);
extern const char* const kModalDampingMessage;

}  // namespace zorvan
