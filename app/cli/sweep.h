#pragma once
// zorvan-cli sweep: a design study over a grid of up to three varied input
// fields, one CSV row of figures (core/design_figures.h) per design.
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

// sweep --vary FIELD=FROM:TO:STEP [--vary ...] [--figures LIST] [--jobs N] [-o FILE.csv]
//       [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...
// The last --vary varies fastest. Exit codes: 0 every row written (failed
// designs included, as rows with their error), 1 the starting design or the
// output failed, 2 bad arguments (nothing written).
int Sweep(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
