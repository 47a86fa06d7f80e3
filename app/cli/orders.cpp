#include "app/cli/orders.h"

#include <algorithm>
#include <memory>

#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "core/balance_shafts.h"
#include "core/error_report.h"
#include "core/orders.h"

namespace zorvan::cli {

int Orders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // --csv takes no value: take it out before the design arguments are read,
  // leaving the values of the options that take one as they are.
  static const std::vector<std::string> kValued = {"--set", "--preset", "--of", kBalancerOption, kMomentsOption};
  std::vector<std::string> rest;
  bool csv = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool isValue = i > 1 && (IsDesignOptionWithValue(args[i - 1]) ||
                                   std::find(kValued.begin(), kValued.end(), args[i - 1]) != kValued.end());
    if (i > 0 && !isValue && args[i] == "--csv") {
      csv = true;
      continue;
    }
    rest.push_back(args[i]);
  }
  DesignArgs parsed;
  if (int code = ParseDesignArgs(rest, 1, parsed, err, {"--of", kBalancerOption, kMomentsOption})) return code;
  if (int code = ReadShaftOptions(parsed, MomentReference::Centre, err)) return code;
  OrderSubject subject = OrderSubject::Torque;
  for (const auto& [name, value] : parsed.options) {
    if (value == "torque") {
      subject = OrderSubject::Torque;
    } else if (value == "shaking") {
      subject = OrderSubject::Shaking;
    } else {
      err << "zorvan-cli: --of must be torque or shaking, not '" << value << "'\n";
      return 2;
    }
  }
  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err)) return code;
  // The shaking of an engine with balance shafts is analysed with them, and
  // the text ends with the shafts and the residual table.
  const bool shafts = subject == OrderSubject::Shaking && !c->d.BalanceShafts.empty();
  std::unique_ptr<EngineDesignRecord> with;
  std::vector<OrderColumn> columns;
  std::string residual;
  // A design that could not be calculated has no orders to show.
  const bool ok = c->ok &&
                  (!shafts || Guarded(c->messages, "Balance_Shafts", [&] {
                     with = DesignWithShafts(c->d);
                     residual = ShaftsText(c->d, *with, parsed.moments);
                   })) &&
                  OrderCalculation(shafts ? *with : c->d, subject, c->messages, columns, parsed.moments);
  WriteMessages(c->messages, err);
  if (!ok) return 1;
  const EngineDesignRecord& shown = shafts ? *with : c->d;
  if (csv) {
    out << OrdersCsv(shown, columns);
  } else {
    WriteText(OrdersText(shown, subject, columns) + (shafts ? "\r" + residual : ""), out);
  }
  return 0;
}

}  // namespace zorvan::cli
