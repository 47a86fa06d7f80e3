#include "app/cli/pressure.h"

#include "app/cli/design_args.h"
#include "core/indicated.h"
#include "files/pressure_file.h"

namespace zorvan::cli {

int Pressure(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err, {"-o"})) return code;
  return WriteDesignOutput(parsed, out, err, "Pressure",
                           [](const EngineDesignRecord& d) { return PressureFileText(TraceInUse(d)); });
}

}  // namespace zorvan::cli
