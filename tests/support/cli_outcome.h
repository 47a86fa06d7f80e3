#pragma once
// A zorvan-cli command run in the test's own process: its exit code, its
// standard output and its standard error.
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

namespace zorvan::cli {

struct Outcome {
  int code;
  std::string out, err;
};

inline Outcome Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = Run(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace zorvan::cli
