#pragma once
// zorvan-cli orders [--of torque|shaking] [--csv] [design arguments]: the mean
// and the harmonics of crank speed of the torques or of the shaking force and
// moment of the calculated design, as a fixed-width text or as CSV.
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

int Orders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
