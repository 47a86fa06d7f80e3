// Placeholder until model files exist: a file argument is refused.
#include "app/cli/model_arg.h"

namespace zorvan::cli {
int ReadModelArgument(const std::string& path, EngineDesignRecord&, ProgramValues&, RecordingUi&,
                      std::ostream& err) {
  err << "zorvan-cli: model files are not supported yet: " << path << "\n";
  return 2;
}
}  // namespace zorvan::cli
