#include "app/cli/text_commands.h"

#include "shell/error_report.h"

namespace zorvan::cli {

std::string WithNewlines(const std::string& text) {
  std::string s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      s += text[i];
      continue;
    }
    s += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return s;
}

void WriteText(const std::string& text, std::ostream& out) {
  std::string s = WithNewlines(text);
  if (s.empty() || s.back() != '\n') s += '\n';
  out << s;
}

int WriteDesignText(const DesignArgs& parsed, std::ostream& out, std::ostream& err, const std::string& procedure,
                    const std::function<std::string(const EngineDesignRecord&, const ProgramValues&)>& make) {
  EngineDesignRecord d;
  ProgramValues values;
  RecordingUi ui;
  FlywheelResult flywheel;
  BuildOutcome built = BuildDesign(parsed, d, values, ui, err);
  if (built.endNow) {
    WriteMessages(ui, err);
    return built.exitCode;
  }
  bool ok = built.exitCode == 0 && CalculateDesign(parsed, d, ui, flywheel);
  std::string text;
  ok = Guarded(ui, procedure, [&] { text = make(d, values); }) && ok;
  WriteMessages(ui, err);
  if (!text.empty()) WriteText(text, out);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
