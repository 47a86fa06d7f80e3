#pragma once
// The functions and components the plot and table commands take, as
// "F:C[,F:C...]": each a plot function by number or short name and one of the
// components X, Y, Mag, Ang.
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zorvan::cli {

// The plot function 1..19 a text names by number or short name, or none.
std::optional<int> FunctionNumber(const std::string& text);

// The pairs of a list; false after a message naming what is wrong ("'NAME'
// is not a KIND function", "'ITEM' needs a component ...").
bool ParseFunctionList(const std::string& list, const char* kind, std::vector<std::pair<int, int16_t>>& out,
                       std::ostream& err);

}  // namespace zorvan::cli
