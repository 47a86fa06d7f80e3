// zorvan-cli report: the engine summary report of the calculated design.
#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "core/error_report.h"
#include "shell/summary_report.h"

namespace zorvan::cli {

int Report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err)) return code;
  return WriteDesignText(parsed, out, err, "Report", [](const EngineDesignRecord& d, const ProgramValues& v) {
    return EngineSummaryReport(d, v);
  });
}

}  // namespace zorvan::cli
