// zorvan-cli save OUT.zrv: the design, calculated, written as a model file.
#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "files/atomic_file.h"
#include "files/model_file.h"
#include "shell/error_report.h"
#include "shell/file_names.h"

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

  EngineDesignRecord d;
  ProgramValues values;
  RecordingUi ui;
  FlywheelResult flywheel;
  BuildOutcome built = BuildDesign(parsed, d, values, ui, err);
  if (built.endNow) {
    WriteMessages(ui, err);
    return built.exitCode;
  }
  // A calculation that fails is reported, but the design itself is still saved.
  bool ok = built.exitCode == 0 && CalculateDesign(parsed, d, ui, flywheel);
  std::string name = StripFilename(target);
  if (!name.empty()) values.FileName = name;
  values.FilePath = target;
  ok = Guarded(ui, "Save", [&] { ReplaceFileAtomically(target, ModelFileText(d, values)); }) && ok;
  WriteMessages(ui, err);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
