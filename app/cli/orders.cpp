#include "app/cli/orders.h"

#include <memory>

#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "core/orders.h"

namespace zorvan::cli {

int Orders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // --csv takes no value: take it out before the design arguments are read,
  // leaving the values of the options that take one as they are.
  std::vector<std::string> rest;
  bool csv = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool isValue = i > 1 && (IsDesignOptionWithValue(args[i - 1]) || args[i - 1] == "--of");
    if (i > 0 && !isValue && args[i] == "--csv") {
      csv = true;
      continue;
    }
    rest.push_back(args[i]);
  }
  DesignArgs parsed;
  if (int code = ParseDesignArgs(rest, 1, parsed, err, {"--of"})) return code;
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
  std::vector<OrderColumn> columns;
  // A design that could not be calculated has no orders to show.
  const bool ok = c->ok && OrderCalculation(c->d, subject, c->messages, columns);
  WriteMessages(c->messages, err);
  if (!ok) return 1;
  if (csv) {
    out << OrdersCsv(c->d, columns);
  } else {
    WriteText(OrdersText(c->d, subject, columns), out);
  }
  return 0;
}

}  // namespace zorvan::cli
