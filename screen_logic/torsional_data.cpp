#include "screen_logic/torsional_data.h"

#include <cmath>

#include "core/number_text.h"

namespace zorvan {

const char* const kModalDampingMessage =
    "The modal damping must be a number of at least 0 and below 100 (percent of critical damping).";

std::vector<ShaftRowTexts> StationCells(const ShaftTable& t) {
  std::vector<ShaftRowTexts> cells;
  for (std::size_t s = 0; s < t.size(); ++s)
    cells.push_back({t[s].name, DigitsText(t[s].inertia, 6), s + 1 < t.size() ? DigitsText(t[s].stiffness, 6) : "",
                     DigitsText(t[s].damping, 6)});
  return cells;
}

std::optional<std::string> AcceptStations(EngineDesignRecord& d, const std::vector<ShaftRowTexts>& cells,
                                          const ShaftTable& shown, bool& changed) {
  changed = false;
  ShaftTable typed;
  if (auto fault = ReadShaftRows(cells, typed)) return fault;
  const std::vector<ShaftRowTexts> shownCells = StationCells(shown);
  for (std::size_t s = 0; s < typed.size() && s < shown.size(); ++s) {
    auto kept = [&](std::size_t column, double ShaftStation::* value) {
      if (cells[s][column] == shownCells[s][column]) typed[s].*value = shown[s].*value;
    };
    kept(1, &ShaftStation::inertia);
    if (s + 1 < typed.size() && s + 1 < shown.size()) kept(2, &ShaftStation::stiffness);
    kept(3, &ShaftStation::damping);
  }
  if (typed == shown) return std::nullopt;
  d.Shaft = std::move(typed);
  changed = true;
  return std::nullopt;
}

std::optional<double> ModalRatioOf(const std::string& percentText) {
  double percent = 0;
  if (!ParseDecimal(percentText, percent) || !(percent >= 0 && percent < 100)) return std::nullopt;
  return percent / 100;
}

}  // namespace zorvan
