#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

// zorvan-cli pressure [-o FILE.csv] [design arguments]: the pressure trace the
// design uses (its own, or the built-in curve's rows) in the program's trace
// form, which --pressure reads back; without -o to standard output.
int Pressure(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
