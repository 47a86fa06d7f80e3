// A model file named on the command line is read as File, Open reads it. The
// front end counts as starting up, so a good read adds no message of its own.
#include "app/cli/model_arg.h"

#include "files/model_file.h"

namespace zorvan::cli {

namespace {
// Each CR or CR LF of a message becomes one newline.
std::string Lines(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
      continue;
    }
    out += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}
}  // namespace

int ReadModelArgument(const std::string& path, EngineDesignRecord& design, ProgramValues& values,
                      RecordingUi& ui, std::ostream& err) {
  values.StartingUp = true;
  if (OpenModelFile(path, design, values, ui)) return 0;
  for (const RecordedMessage& m : ui.messages) err << Lines(m.text) << "\n";
  ui.messages.clear();
  return 1;
}

}  // namespace zorvan::cli
