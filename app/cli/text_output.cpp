#include "app/cli/text_commands.h"

namespace zorvan::cli {

void WriteText(const std::string& text, std::ostream& out) {
  std::string s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      s += text[i];
      continue;
    }
    s += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (s.empty() || s.back() != '\n') s += '\n';
  out << s;
}

}  // namespace zorvan::cli
