#include "app/cli/cli.h"

#include "app/cli/dump.h"

namespace zorvan::cli {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "help") {
    out << "usage: zorvan-cli dump [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n";
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "dump") return Dump(args, out, err);
  err << "zorvan-cli: unknown command '" << args[0] << "'\n";
  return 2;
}

}  // namespace zorvan::cli
