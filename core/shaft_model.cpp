// The crankshaft's stations: the throws along the shaft, the default inertias
// and stiffnesses (formulas in core/shaft_model.h) and the judging of a table.
#include "core/shaft_model.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>

#include "core/harmonics.h"
#include "core/number_text.h"
#include "core/units.h"

namespace zorvan {

std::vector<CrankThrow> CrankThrows(const EngineDesignRecord& d) {
  std::map<double, std::vector<int>> byArm;
  for (const HarmonicTerm& t : HarmonicTerms(d)) byArm[t.arm].push_back(t.cylinder);
  std::vector<CrankThrow> throws;
  for (auto& [arm, cylinders] : byArm) throws.push_back({std::move(cylinders), arm});
  if (throws.empty()) throws.push_back({{1}, 0});  // a single cylinder
  return throws;
}

std::string ThrowName(int k) { return "Throw " + std::to_string(k); }

int ThrowNumberOf(const std::string& name) {
  std::string s;
  for (char ch : name)
    if (!std::isspace(static_cast<unsigned char>(ch))) s += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (!s.starts_with("throw") || s.size() == 5 || s.size() > 8) return 0;
  int k = 0;
  for (std::size_t i = 5; i < s.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return 0;
    k = k * 10 + (s[i] - '0');
  }
  return k;
}

double ThrowInertia(const EngineDesignRecord& d, int cylinders) {
  const double r = d.CrankRadius, lambda = d.RadiusOverLength, n = cylinders;
  const double rotating = (static_cast<double>(d.CrankMassAtCrankpin) + n * d.ConrodMassAtCrankpin) * r * r;
  const double counterweight = static_cast<double>(d.CounterweightMass) * d.CounterweightRadius * d.CounterweightRadius;
  const double reciprocating = n * d.MassAtWristpin * r * r * (0.5 + lambda * lambda / 8);
  return rotating + counterweight + reciprocating;
}

double SectionStiffness(const EngineDesignRecord& d, double length) {
  const double main = d.MainJournalDiameter, pin = d.CrankpinJournalDiameter;
  if (!(main > 0) || !(pin > 0) || !(length > 0)) return 0;
  auto polar = [](double diameter) { return std::numbers::pi * std::pow(diameter, 4) / 32; };
  const double g = SteelShearModulus(d.UnitSystem);
  const double k = 1 / (length / 2 / (g * polar(main)) + length / 2 / (g * polar(pin)));
  return std::isfinite(k) ? k : 0;
}

ShaftTable DefaultShaft(const EngineDesignRecord& d, double flywheelInertia) {
  const std::vector<CrankThrow> throws = CrankThrows(d);
  const double spacing = d.CylinderSpacing;
  ShaftTable t;
  for (std::size_t k = 0; k < throws.size(); ++k) {
    ShaftStation s{ThrowName(static_cast<int>(k) + 1), ThrowInertia(d, static_cast<int>(throws[k].cylinders.size()))};
    // To the next throw, or one pitch on to the flywheel.
    const double pitch = k + 1 < throws.size() ? (throws[k + 1].arm - throws[k].arm) * spacing : spacing;
    s.stiffness = SectionStiffness(d, pitch);
    t.push_back(s);
  }
  if (flywheelInertia > 0 && std::isfinite(flywheelInertia)) {
    t.push_back({"Flywheel", flywheelInertia, 0, 0});
  } else {
    t.back().stiffness = 0;
  }
  return t;
}

namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

std::string RowName(std::size_t row, const std::string& name) {
  return "Row " + std::to_string(row + 1) + (name.empty() ? "" : " (\"" + name + "\")");
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Lower(std::string s) {
  for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return s;
}

// Beyond these the eigenproblem loses every digit: no shaft has such values.
std::optional<std::string> RangeFault(const std::string& what, double v) {
  if (v > kLargestShaftValue) return what + " must be at most 1e15";
  if (v > 0 && v < kSmallestShaftValue) return what + " must be at least 1e-12";
  return std::nullopt;
}

// A value's fault: a number in range, or the sentence's end for what it is.
struct ValueRule {
  const char* what;
  bool emptyAllowed;  // empty reads as 0
  bool zeroAllowed;
};

std::optional<std::string> ReadValue(const std::string& text, const ValueRule& rule, double& value) {
  const std::string t = Trimmed(text);
  const std::string must = rule.emptyAllowed ? " must be empty, 0 or a number above 0"
                           : rule.zeroAllowed ? " must be a number of 0 or more"
                                              : " must be a number above 0";
  if (t.empty() && rule.emptyAllowed) {
    value = 0;
    return std::nullopt;
  }
  double v = 0;
  const bool number = ParseDecimal(t, v) && std::isfinite(v);
  if (!number || v < 0 || (v == 0 && !rule.zeroAllowed))
    return std::string(rule.what) + must + (t.empty() ? "" : ", not " + Quoted(t));
  if (auto fault = RangeFault(rule.what, v)) return *fault + ", not " + Quoted(t);
  value = v;
  return std::nullopt;
}

constexpr const char* kLastStiffness = "the last station has no next station: leave its stiffness empty";
constexpr const char* kStiffness = "the stiffness to the next station";

std::optional<std::string> CountFault(std::size_t rows) {
  if (rows < 2) return "The shaft needs at least two stations.";
  if (rows > static_cast<std::size_t>(kMaxStations))
    return "The shaft may have at most " + std::to_string(kMaxStations) + " stations, not " + std::to_string(rows) + ".";
  return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadShaftRows(const std::vector<ShaftRowTexts>& rows, ShaftTable& out) {
  if (auto fault = CountFault(rows.size())) return fault;
  ShaftTable t;
  std::map<std::string, std::size_t> names;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    ShaftStation s;
    s.name = Trimmed(rows[row][0]);
    const bool last = row + 1 == rows.size();
    auto fault = [&](const std::string& what) { return RowName(row, s.name) + ": " + what + "."; };
    if (s.name.empty()) return fault("the station needs a name");
    if (auto [at, fresh] = names.emplace(Lower(s.name), row); !fresh)
      return fault("the name is that of row " + std::to_string(at->second + 1) + " already");
    if (auto f = ReadValue(rows[row][1], {"the inertia", false, false}, s.inertia)) return fault(*f);
    if (last && !Trimmed(rows[row][2]).empty()) return fault(kLastStiffness);
    if (!last) {
      if (auto f = ReadValue(rows[row][2], {kStiffness, false, false}, s.stiffness)) return fault(*f);
    }
    if (auto f = ReadValue(rows[row][3], {"the damping", true, true}, s.damping)) return fault(*f);
    t.push_back(std::move(s));
  }
  out = std::move(t);
  return std::nullopt;
}

std::optional<std::string> ShaftTableFault(const ShaftTable& t) {
  if (auto fault = CountFault(t.size())) return fault;
  for (std::size_t row = 0; row < t.size(); ++row) {
    const ShaftStation& s = t[row];
    auto fault = [&](const std::string& what) { return RowName(row, s.name) + ": " + what + "."; };
    if (Trimmed(s.name).empty()) return fault("the station needs a name");
    if (!(s.inertia > 0) || !std::isfinite(s.inertia)) return fault("the inertia must be a number above 0");
    const bool last = row + 1 == t.size();
    if (last && s.stiffness != 0) return fault(kLastStiffness);
    if (!last && !(s.stiffness > 0 && std::isfinite(s.stiffness)))
      return fault(std::string(kStiffness) + " must be a number above 0");
    if (!(s.damping >= 0) || !std::isfinite(s.damping)) return fault("the damping must be empty, 0 or a number above 0");
    for (auto [what, v] : {std::pair<const char*, double>{"the inertia", s.inertia}, {kStiffness, s.stiffness},
                           {"the damping", s.damping}})
      if (auto f = RangeFault(what, v)) return fault(*f);
  }
  return std::nullopt;
}

}  // namespace zorvan
