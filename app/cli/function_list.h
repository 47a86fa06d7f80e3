#pragma once
// The functions and components the plot and table commands take, as
// "F:C[,F:C...]": each a plot function by number or short name and one of the
// components X, Y, Mag, Ang; and the selection they, or a preset format, make.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/design_record.h"
#include "plots/plot_selection.h"

namespace zorvan::cli {

using FunctionList = std::vector<std::pair<int, int16_t>>;  // function, component

// The plot function 1..19 a text names by number or short name, or none.
std::optional<int> FunctionNumber(const std::string& text);

// The pairs of a list; false after a message naming what is wrong ("'NAME'
// is not a KIND function", "'ITEM' needs a component ...").
bool ParseFunctionList(const std::string& list, const char* kind, FunctionList& out, std::ostream& err);

// The selection a preset format of `slots` slots or a list of functions makes,
// judged against what the design offers; 2 after a message naming what it does
// not offer. With `magnitudeNamed` a scalar's only component is named
// "Magnitude", as the selection screens name it.
int SelectFunctions(const EngineDesignRecord& d, const std::optional<std::string>& format, int slots,
                    const FunctionList& functions, bool magnitudeNamed, PlotSelection& s, std::ostream& err);

// --coord global|local: the frame of the crankpin and main-bearing forces (0
// global, 1 the crank's rotating frame); false after a message.
bool ParseCoordinates(const std::string& value, int16_t& coord, std::ostream& err);

// A format or list that needs the flywheel's results (function 19).
bool AsksForFlywheel(const std::optional<std::string>& format, const FunctionList& functions);

}  // namespace zorvan::cli
