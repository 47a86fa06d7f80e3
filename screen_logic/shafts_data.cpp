#include "screen_logic/shafts_data.h"

#include <cctype>
#include <cmath>

#include "core/display_units.h"
#include "core/number_text.h"

namespace zorvan {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const std::size_t first = s.find_first_not_of(' '), last = s.find_last_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

double LengthShown(const EngineDesignRecord& d) { return DisplayFactor(Quantity::Length, d.UnitSystem); }

}  // namespace

std::array<std::string, 5> ShaftColumnTitles(const EngineDesignRecord& d) {
  const std::string& length = d.UnitLabel[kLengthSlot];
  return {"Order", "Turns", "Mass x radius (" + d.UnitLabel[kMassSlot] + "-" + length + ")", "Phase (deg)",
          "Place (" + length + ")"};
}

std::vector<ShaftRow> ShaftRows(const EngineDesignRecord& d) {
  std::vector<ShaftRow> rows;
  for (const BalanceShaft& s : d.BalanceShafts)
    rows.push_back({std::to_string(s.order), s.sense > 0 ? "with" : "against",
                    DigitsText(HeldMassRadius(d, s.massRadius) * LengthShown(d)), DigitsText(s.phase),
                    DigitsText(HeldPlace(d, s.position) * LengthShown(d))});
  return rows;
}

std::optional<std::string> ReadShaftRows(const EngineDesignRecord& d, const std::vector<ShaftRow>& rows,
                                         std::vector<BalanceShaft>& shafts) {
  if (rows.size() > static_cast<std::size_t>(kMaxShafts))
    return "An engine takes at most " + std::to_string(kMaxShafts) + " balance shafts.";
  std::vector<BalanceShaft> read;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const ShaftRow& r = rows[k];
    const std::string row = "Row " + std::to_string(k + 1) + ": ";
    BalanceShaft s;
    double order = 0, values[3] = {};
    if (!ParseDecimal(r[0], order) || (order != 1 && order != 2)) return row + "the order must be 1 or 2.";
    s.order = static_cast<int>(order);
    const std::string sense = Lower(r[1]);
    if (sense == "with" || sense == "1" || sense == "+1") {
      s.sense = 1;
    } else if (sense == "against" || sense == "-1") {
      s.sense = -1;
    } else {
      return row + "the shaft turns \"with\" the crank or \"against\" it.";
    }
    const char* names[] = {"mass x radius", "phase", "place"};
    for (int i = 0; i < 3; ++i)
      if (!ParseDecimal(r[i + 2], values[i]) || !std::isfinite(values[i]))
        return row + "the " + names[i] + " must be a number.";
    s.massRadius = SiMassRadius(d, values[0] / LengthShown(d));
    s.phase = values[1];
    s.position = SiPlace(d, values[2] / LengthShown(d));
    if (auto fault = ShaftFault(s)) return row + *fault + ".";
    read.push_back(s);
  }
  shafts = std::move(read);
  return std::nullopt;
}

}  // namespace zorvan
