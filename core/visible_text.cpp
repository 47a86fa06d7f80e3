#include "core/visible_text.h"

namespace zorvan {

namespace {
// The UTF-8 form of a code point in U+2400..U+FFFD (three bytes).
void AppendThreeByte(std::string& out, unsigned cp) {
  out += static_cast<char>(0xE0 | (cp >> 12));
  out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out += static_cast<char>(0x80 | (cp & 0x3F));
}
}  // namespace

std::string VisibleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20) {
      AppendThreeByte(out, 0x2400 + c);
    } else if (c == 0x7F) {
      AppendThreeByte(out, 0x2421);
    } else if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      AppendThreeByte(out, 0xFFFD);
      ++i;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace zorvan
