// zorvan-cli save OUT.zrv: the design, calculated, written as a model file.
#include <memory>

#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "files/atomic_file.h"
#include "files/model_file.h"
#include "core/error_report.h"
#include "core/file_names.h"

namespace zorvan::cli {

int Save(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
  if (args.size() < 2 || args[1].empty() || args[1].starts_with("--")) {
    err << "zorvan-cli: save needs the model file to write: save OUT.zrv [MODEL.zrv] [--preset K] "
           "[--set FIELD=VALUE]...\n";
    return 2;
  }
  const std::string target = args[1];
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 2, parsed, err)) return code;

  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err)) return code;
  // A design that could not be built or calculated is never saved: the old file stays.
  if (!c->ok) {
    WriteMessages(c->messages, err);
    return 1;
  }
  std::string name = StripFilename(target);
  if (!name.empty()) c->values.FileName = name;
  c->values.FilePath = target;
  const bool ok = Guarded(c->messages, "Save", [&] { WriteModelFiles(target, c->d, c->values); });
  WriteMessages(c->messages, err);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
