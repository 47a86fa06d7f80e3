#include "app/cli/function_list.h"

#include <algorithm>

#include "core/result_catalogue.h"
#include "plots/plot_selection.h"

namespace zorvan::cli {

namespace {
std::optional<int16_t> ComponentCode(const std::string& text) {
  for (int16_t c = 0; c < 4; ++c)
    if (text == kComponentTexts[c]) return c;
  return std::nullopt;
}
}  // namespace

std::optional<int> FunctionNumber(const std::string& text) {
  for (int f = 1; f <= 19; ++f)
    if (text == PlotFunction(f).shortName || text == std::to_string(f)) return f;
  return std::nullopt;
}

bool ParseFunctionList(const std::string& list, const char* kind, std::vector<std::pair<int, int16_t>>& out,
                       std::ostream& err) {
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string item = list.substr(start, comma - start);
    const std::size_t colon = item.rfind(':');
    const auto f = FunctionNumber(item.substr(0, colon));
    const auto c = colon == std::string::npos ? std::nullopt : ComponentCode(item.substr(colon + 1));
    if (!f) {
      err << "zorvan-cli: '" << item.substr(0, colon) << "' is not a " << kind << " function\n";
      return false;
    }
    if (!c) {
      err << "zorvan-cli: '" << item << "' needs a component X, Y, Mag or Ang\n";
      return false;
    }
    out.emplace_back(*f, *c);
    start = comma + 1;
  }
  return true;
}

}  // namespace zorvan::cli
