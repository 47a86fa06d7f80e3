#include "core/design_settings.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>

#include "core/field_table.h"
#include "core/input_limits.h"
#include "core/machine_type.h"
#include "core/units.h"

namespace zorvan {

namespace {

// The fields a setting may name: the design's inputs.
const DesignField* FindInput(const std::string& name) {
  const DesignField* f = FindDesignField(name);
  return f && f->role == FieldRole::Input ? f : nullptr;
}

// A number whose decimal form is right but whose value no double holds (1e400, 1e-400).
bool IsOutOfRange(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double v;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  return ec == std::errc::result_out_of_range && end == text.data() + text.size();
}

std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = text.find(',', start);
    items.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return items;
    start = comma + 1;
  }
}

// The arrangement by name, as the engine type list shows it; empty when the
// text is not one of the names (it may still be the number).
std::string ArrangementCode(const std::string& text) {
  static constexpr const char* kNames[] = {"Single", "Inline", "Vee", "Opposed", "W"};
  auto same = [](std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
  };
  for (int code = 0; code < 5; ++code)
    if (same(text, kNames[code])) return std::to_string(code);
  return {};
}

// Why one item of a setting is refused, or none.
std::optional<std::string> CheckItem(const DesignSetting& s, const DesignField& f, const std::string& item, int k) {
  double v;
  if (!ParseNumber(item, v) || std::isnan(v))
    return s.field + ": '" + item + (IsOutOfRange(item) ? "' is out of range" : "' is not a number");
  if (std::isinf(v)) return s.field + ": '" + item + "' is out of range";
  const int cylinder = IsCylinderList(f) ? k + 1 : 0;
  if (auto message = CheckInputValue(s.field, v, cylinder)) return s.field + ": " + *message;
  return std::nullopt;
}

double Number(const std::string& text) {
  double v = 0;
  ParseNumber(text, v);
  return v;
}

template <class T>
void AssignKeeping(EngineDesignRecord& d, T EngineDesignRecord::*member, const auto& assign) {
  const T before = d.*member;
  try {
    assign();
  } catch (...) {
    d.*member = before;
    throw;
  }
}

}  // namespace

bool ParseNumber(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

std::optional<std::string> CheckSetting(DesignSetting& s) {
  const DesignField* f = FindInput(s.field);
  if (!f) return "unknown field '" + s.field + "'";
  if (IsText(*f)) {
    if (!CheckMachineType(s.value)) return std::nullopt;
    return "MachineType must be Engine or Pump, not '" + s.value + "'";
  }
  if (s.field == "Arrangement") {
    if (std::string code = ArrangementCode(s.value); !code.empty()) s.value = code;
  }
  const std::vector<std::string> items = IsCylinderList(*f) ? SplitList(s.value) : std::vector{s.value};
  if (items.size() > static_cast<std::size_t>(kMaxCylinders))
    return s.field + " takes at most " + std::to_string(kMaxCylinders) + " values, not " +
           std::to_string(items.size());
  for (std::size_t k = 0; k < items.size(); ++k)
    if (auto refusal = CheckItem(s, *f, items[k], static_cast<int>(k))) return refusal;
  return std::nullopt;
}

void AssignSetting(EngineDesignRecord& d, const DesignSetting& s) {
  const DesignField& f = *FindInput(s.field);
  if (IsText(f)) {
    SetMachineType(d, s.value);  // the type brings its own gas curve and scale
  } else if (IsCylinderList(f) && s.entry > 0) {
    SetFieldNumber(d, f, Number(s.value), s.entry);
  } else if (IsCylinderList(f)) {
    AssignKeeping(d, std::get<CylinderArray EngineDesignRecord::*>(f.member), [&] {  // all entries or none
      const std::vector<std::string> items = SplitList(s.value);
      for (std::size_t k = 0; k < items.size(); ++k) SetFieldNumber(d, f, Number(items[k]), static_cast<int>(k + 1));
    });
  } else if (s.field == "PeakPressureEngine" || s.field == "PeakPressurePump") {
    AssignKeeping(d, std::get<float EngineDesignRecord::*>(f.member), [&] {
      SetFieldNumber(d, f, Number(s.value));
      DeriveGasScale(d);  // the entered pressure is the peak of the curve in use
    });
  } else {
    SetFieldNumber(d, f, Number(s.value));
  }
  if (s.field == "UnitSystem") {  // relabel only: the values are taken as given
    SetUnitLabels(d);
    SetDigitCounts(d);
  }
}

bool SetsCounterweight(const DesignSetting& s) { return s.field.starts_with("Counterweight"); }

}  // namespace zorvan
