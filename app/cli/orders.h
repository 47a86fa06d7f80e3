#pragma once
// zorvan-cli orders [--of torque|shaking] [--csv] [--moments-about centre|cylinder1]
// [--balancer first|second|both] [design arguments]: the mean and the
// harmonics of crank speed of the torques or of the shaking force and moment
// (about the engine's centre unless told otherwise; with the design's balance
// shafts, and then followed by the residual table) of the calculated design,
// as a fixed-width text or as CSV.
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

int Orders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
