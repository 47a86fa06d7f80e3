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

bool ParseFunctionList(const std::string& list, const char* kind, FunctionList& out, std::ostream& err) {
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

int SelectFunctions(const EngineDesignRecord& d, const std::optional<std::string>& format, int slots,
                    const FunctionList& functions, bool magnitudeNamed, PlotSelection& s, std::ostream& err) {
  if (format) {
    const auto offered = Load_Presets(d, slots);
    if (std::find(offered.begin(), offered.end(), *format) == offered.end() || !ApplyPlotPreset(s, *format, slots)) {
      err << "zorvan-cli: '" << *format << "' is not a preset format this design offers\n";
      return 2;
    }
    return 0;
  }
  const auto offered = VariableList(d);
  for (std::size_t i = 0; i < functions.size(); ++i) {
    const int slot = static_cast<int>(i) + 1;
    const std::string name = PlotFunction(functions[i].first).shortName;
    if (std::find(offered.begin(), offered.end(), name) == offered.end()) {
      err << "zorvan-cli: " << name << " (function " << functions[i].first << ") is not offered for this design\n";
      return 2;
    }
    Set_Variable(s, name, slot);
    Set_Component(s, kComponentTexts[s.ScalarPicked ? kCompMag : functions[i].second], slot);
    if (magnitudeNamed && s.ScalarPicked) s.SlotComponentText[slot] = "Magnitude";
  }
  s.FunctionCount = static_cast<int16_t>(functions.size());
  return 0;
}

bool AsksForFlywheel(const std::optional<std::string>& format, const FunctionList& functions) {
  if (format) return format->find("Flywheel") != std::string::npos;
  return std::any_of(functions.begin(), functions.end(), [](const auto& f) { return f.first == 19; });
}

bool ParseCoordinates(const std::string& value, int16_t& coord, std::ostream& err) {
  if (value != "global" && value != "local") {
    err << "zorvan-cli: --coord must be global or local, not '" << value << "'\n";
    return false;
  }
  coord = value == "local" ? 1 : 0;
  return true;
}

}  // namespace zorvan::cli
