#pragma once
// zorvan-cli torsional [--stations FILE.csv] [--csv] [--campbell|--modes|--response]
//                      [--zeta Z] [-o FILE] [--size WxH] [design arguments]:
// the crankshaft's natural frequencies, Campbell crossings and forced
// response as a text, CSV or picture (core/torsional.h).
#include <ostream>
#include <string>
#include <vector>

namespace zorvan::cli {

int Torsional(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zorvan::cli
