#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {
// Runs one command line (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
}  // namespace zorvan::cli
