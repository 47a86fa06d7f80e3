#pragma once
// Texts from outside the program (a model file's names) as they may be shown
// on a terminal or in a message box: control characters become visible signs.
#include <string>
#include <string_view>

namespace zorvan {

// Each control character 0..31 becomes its picture (U+2400..U+241F), DEL
// becomes U+2421, and the 8-bit controls U+0080..U+009F become U+FFFD.
std::string VisibleText(std::string_view text);

}  // namespace zorvan
