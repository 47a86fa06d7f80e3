#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

// zorvan-cli plot: a cartesian plot of the selection as PNG, SVG or PDF, and
// optionally its numbers as CSV.
int Plot(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
