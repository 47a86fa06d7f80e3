#include "app/cli/pressure.h"

#include <memory>

#include "app/cli/design_args.h"
#include "core/error_report.h"
#include "core/indicated.h"
#include "files/atomic_file.h"
#include "files/pressure_file.h"

namespace zorvan::cli {

int Pressure(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err, {"-o"})) return code;
  std::string path;
  for (const auto& [name, value] : parsed.options) path = value;
  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err)) return code;
  bool ok = c->ok;
  if (ok) {
    ok = Guarded(c->messages, "Pressure", [&] {
      const std::string text = PressureFileText(TraceInUse(c->d));
      if (path.empty())
        out << text;
      else
        ReplaceFileAtomically(path, text);
    });
  }
  WriteMessages(c->messages, err);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
