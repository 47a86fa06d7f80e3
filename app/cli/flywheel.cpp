// zorvan-cli flywheel [--coef C]: the energy table of the torque pulses and the
// flywheel summary block of the calculated design.
#include <memory>

#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "core/number_text.h"
#include "core/error_report.h"
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
  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err, true, [&](EngineDesignRecord& d) {
        if (coefGiven) d.CoefFluct = coef;
      }))
    return code;
  std::string block;
  const bool ok = Guarded(c->messages, "Flywheel", [&] { block = FlywheelSummaryBlock(c->d); }) && c->ok;
  WriteMessages(c->messages, err);
  if (c->d.FlywheelResultsValid)
    for (const std::string& line : EnergyTable(c->d, c->flywheel)) WriteText(line, out);
  if (!block.empty()) WriteText(block, out);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
