// zorvan-cli flywheel [--coef C]: the energy table of the torque pulses and the
// flywheel summary block of the calculated design.
#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "core/number_text.h"
#include "shell/error_report.h"
#include "shell/summary_report.h"

namespace zorvan::cli {

int Flywheel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err, {"--coef"})) return code;
  bool coefGiven = false;
  float coef = 0;
  for (const auto& [name, value] : parsed.options) {
    bool overflow = false;
    if (!ParseFloat(value, coef, overflow)) {
      err << "zorvan-cli: --coef needs a number, not '" << value << "'\n";
      return 2;
    }
    coefGiven = true;
  }
  EngineDesignRecord d;
  ProgramValues values;
  RecordingUi ui;
  FlywheelResult flywheel;
  BuildOutcome built = BuildDesign(parsed, d, values, ui, err);
  if (built.endNow) {
    WriteMessages(ui, err);
    return built.exitCode;
  }
  if (coefGiven) d.CoefFluct = coef;
  bool ok = built.exitCode == 0 && CalculateDesign(parsed, d, ui, flywheel);
  std::string block;
  ok = Guarded(ui, "Flywheel", [&] { block = FlywheelSummaryBlock(d); }) && ok;
  WriteMessages(ui, err);
  for (const std::string& line : flywheel.energyTable) WriteText(line, out);
  if (!block.empty()) WriteText(block, out);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
