#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

// zorvan-cli table: up to four result columns over crank angle in the layout
// of the desktop program's data file, or printed as a PDF.
int Table(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// zorvan-cli export: every result column the design offers, as the File menu exports them.
int Export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
