// zorvan-cli report: the engine summary report of the calculated design.
#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "shell/error_report.h"
#include "shell/summary_report.h"

namespace zorvan::cli {

int Report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err)) return code;
  EngineDesignRecord d;
  ProgramValues values;
  RecordingUi ui;
  FlywheelResult flywheel;
  BuildOutcome built = BuildDesign(parsed, d, values, ui, err);
  bool ok = built.exitCode == 0 && !built.endNow && CalculateDesign(parsed, d, ui, flywheel);
  if (built.endNow) {
    WriteMessages(ui, err);
    return built.exitCode;
  }
  std::string text;
  ok = Guarded(ui, "Report", [&] { text = EngineSummaryReport(d, values); }) && ok;
  WriteMessages(ui, err);
  if (!text.empty()) WriteText(text, out);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
