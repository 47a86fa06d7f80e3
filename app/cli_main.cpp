// zorvan-cli: the headless front end.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return zorvan::cli::Run(args, std::cout, std::cerr);
}
