#include "app/cli/text_commands.h"

#include <memory>

#include "core/error_report.h"

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
  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err)) return code;
  std::string text;
  const bool ok = Guarded(c->messages, procedure, [&] { text = make(c->d, c->values); }) && c->ok;
  WriteMessages(c->messages, err);
  if (!text.empty()) WriteText(text, out);
  return ok ? 0 : 1;
}

}  // namespace zorvan::cli
