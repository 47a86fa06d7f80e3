#include "app/cli/picture_args.h"

namespace zorvan::cli {

bool PictureFile(const std::string& out) {
  for (const char* tail : {".png", ".svg", ".pdf"}) {
    const std::string t = tail;
    if (out.size() >= t.size() && out.compare(out.size() - t.size(), t.size(), t) == 0) return true;
  }
  return false;
}

bool ParsePictureSize(const std::string& value, int& width, int& height, std::ostream& err) {
  const std::size_t x = value.find('x');
  try {
    width = std::stoi(value.substr(0, x));
    height = std::stoi(value.substr(x + 1));
  } catch (...) {
    width = 0;
  }
  if (x == std::string::npos || width < 100 || height < 100 || width > 10000 || height > 10000) {
    err << "zorvan-cli: --size must be WxH, each 100 to 10000, not '" << value << "'\n";
    return false;
  }
  return true;
}

}  // namespace zorvan::cli
