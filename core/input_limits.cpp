#include "core/input_limits.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <unordered_map>

#include "core/field_table.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

using K = LimitKind;

std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

bool IsList(const InputLimit& l) { return l.kind == K::Angle || l.kind == K::FiringAngle || l.kind == K::Cylinder; }

// "Bore", or "The phase angle of cylinder 2" for a per-cylinder list.
std::string Subject(const InputLimit& l, int cylinder) {
  if (l.kind == K::Cylinder) return "Place " + std::to_string(cylinder) + " of the firing order";
  if (IsList(l)) return std::string("The ") + l.label + " of cylinder " + std::to_string(cylinder);
  return l.label;
}

// The value as the field holds it: whole-number fields rounded half to even,
// float fields in single precision (a value beyond it is left to the
// assignment, which reports the overflow).
double AsStored(const DesignField* f, double v) {
  if (f && IsWholeNumber(*f)) return std::nearbyint(v);
  if (std::fabs(v) <= std::numeric_limits<float>::max()) return static_cast<float>(v);
  return v;
}

bool Within(const InputLimit& l, double v, int cycleDegrees, int cylinders) {
  switch (l.kind) {
    case K::Finite:
    case K::DeviceType: return true;
    case K::Positive: return v > 0;
    case K::NotNegative: return v >= 0;
    case K::Closed:
    case K::Code: return v >= l.low && v <= l.high;
    case K::AboveLow: return v > l.low && v <= l.high;
    case K::StrokeCycle: return v == 2 || v == 4;
    case K::Angle: return v >= 0 && v < 360;
    case K::FiringAngle: return v >= 0 && v < cycleDegrees;
    case K::Cylinder: return v >= 1 && v <= cylinders && v == std::floor(v);
  }
  return true;
}

// What the value must be; written only for a value that is not.
std::string Rule(const InputLimit& l, int cycleDegrees, int cylinders) {
  switch (l.kind) {
    case K::Positive: return "be above 0";
    case K::NotNegative: return "not be negative";
    case K::Closed: return "be at least " + Number(l.low) + " and at most " + Number(l.high);
    case K::AboveLow: return "be above " + Number(l.low) + " and at most " + Number(l.high);
    case K::Code: return "be " + Number(l.low) + " to " + Number(l.high);
    case K::StrokeCycle: return "be 2 or 4";
    case K::Angle: return "be at least 0 and below 360";
    case K::FiringAngle: return "be at least 0 and below " + std::to_string(cycleDegrees);
    case K::Cylinder: return "be a cylinder from 1 to " + std::to_string(cylinders);
    default: return {};
  }
}

std::optional<std::string> Check(const InputLimit& l, const DesignField* f, double value, int cylinder,
                                 int cycleDegrees, int cylinders) {
  const double v = AsStored(f, value);
  if (!std::isfinite(v)) return Subject(l, cylinder) + " must be a finite number.";
  if (Within(l, v, cycleDegrees, cylinders)) return std::nullopt;
  return Subject(l, cylinder) + " must " + Rule(l, cycleDegrees, cylinders) + ".";
}

int CycleDegrees(const EngineDesignRecord& d) { return d.StrokeCycle == 2 ? 360 : 720; }

std::optional<std::string> CheckOf(const EngineDesignRecord& d, const InputLimit& l, const DesignField* f,
                                   double value, int cylinder = 0) {
  const int cylinders = d.NumCylinders >= 1 && d.NumCylinders <= kMaxCylinders ? d.NumCylinders : kMaxCylinders;
  return Check(l, f, value, cylinder, CycleDegrees(d), cylinders);
}

}  // namespace

const std::vector<InputLimit>& InputLimits() {
  static const std::vector<InputLimit> kLimits{
      {"Bore", "Bore", K::Positive},
      {"CylinderDisplacement", "Displacement of one cylinder", K::Positive},
      {"LRRatio", "L/R Ratio", K::Positive},
      {"PistonMass", "Piston Mass", K::NotNegative},
      {"ConrodMass", "Conrod Mass", K::NotNegative},
      {"CrankMass", "Crank Mass", K::NotNegative},
      {"CrankCGFraction", "Crank CG", K::Closed, 0, 1},
      {"ConrodCGFraction", "Conrod CG", K::Closed, 0, 1},
      {"FrictionCoefficient", "Friction Coefficient", K::Closed, 0, 1},
      {"MainJournalDiameter", "Mainpin Dia", K::NotNegative},
      {"CrankpinJournalDiameter", "Crankpin Dia", K::NotNegative},
      {"WristpinOffset", "Offset", K::Finite},
      {"IdleRPM", "Idle RPM", K::Positive},
      {"RedlineRPM", "Redline RPM", K::Positive},
      {"SpeedIndex", "Calculation Speed", K::Code, 1, 3},
      {"MachineType", "Device Type", K::DeviceType},
      {"GasCurve", "Gas curve", K::Code, 1, 2},
      {"GasPressureScale", "Gas pressure scale", K::NotNegative},
      {"NumCylinders", "No. Cylinders", K::Code, 1, kMaxCylinders},
      {"StrokeCycle", "Stroke Cycle", K::StrokeCycle},
      {"Arrangement", "Engine Type", K::Code, 0, 4},
      {"RodsPerCrank", "ConRods/Throw", K::Code, 1, kMaxCylinders},
      {"CylinderSpacing", "Cylinder Spacing", K::NotNegative},
      {"VeeAngle", "Vee Angle", K::Closed, 0, 180},
      {"CounterweightMass", "Counterweight mass", K::NotNegative},
      {"CounterweightRadius", "Counterweight radius", K::NotNegative},
      {"CounterweightAngle", "Counterweight angle", K::Closed, -360, 360},
      {"CoefFluct", "Coefficient of speed fluctuation", K::AboveLow, 0, 1},
      {"UnitSystem", "Unit system", K::Code, 1, 5},
      {"PhaseAngle", "phase angle", K::Angle},
      {"FiringOrder", "firing order", K::Cylinder},
      {"FiringAngle", "firing angle", K::FiringAngle},
      {"PeakPressureEngine", "Peak Cyl Pressure of an engine", K::Positive},
      {"PeakPressurePump", "Peak Cyl Pressure of a compressor", K::Positive},
  };
  return kLimits;
}

const InputLimit* FindInputLimit(std::string_view field) {
  static const std::unordered_map<std::string_view, const InputLimit*> kByField = [] {
    std::unordered_map<std::string_view, const InputLimit*> byField;
    for (const InputLimit& l : InputLimits()) byField.emplace(l.field, &l);
    return byField;
  }();
  const auto found = kByField.find(field);
  return found == kByField.end() ? nullptr : found->second;
}

std::optional<std::string> CheckInputValue(std::string_view field, double value, int cylinder) {
  const InputLimit* l = FindInputLimit(field);
  if (!l) return std::nullopt;
  return Check(*l, FindDesignField(field), value, cylinder, 720, kMaxCylinders);
}

std::optional<std::string> CheckInputValue(const EngineDesignRecord& d, std::string_view field, double value,
                                           int cylinder) {
  const InputLimit* l = FindInputLimit(field);
  if (!l) return std::nullopt;
  return CheckOf(d, *l, FindDesignField(field), value, cylinder);
}

std::optional<std::string> CheckMachineType(std::string_view type) {
  if (type == "Engine" || type == "Pump") return std::nullopt;
  return "Device Type must be Engine or Pump.";
}

std::optional<std::string> CheckFiringOrder(const EngineDesignRecord& d) {
  const int n = d.NumCylinders;
  if (n < 1 || n > kMaxCylinders) return std::nullopt;  // the cylinder count has its own message
  std::vector<bool> named(static_cast<std::size_t>(n) + 1, false);
  for (int j = 1; j <= n; ++j) {
    const float c = d.FiringOrder[static_cast<std::size_t>(j)];
    const bool cylinder = c >= 1 && c <= n && c == std::floor(c);
    if (!cylinder || named[static_cast<std::size_t>(c)])
      return "The firing order must name each cylinder from 1 to " + std::to_string(n) + " exactly once.";
    named[static_cast<std::size_t>(c)] = true;
  }
  return std::nullopt;
}

std::optional<std::string> CheckDesignInputs(const EngineDesignRecord& d) {
  // The field of each limit, looked up once: a design study checks every design.
  static const std::vector<const DesignField*> fields = [] {
    std::vector<const DesignField*> all;
    for (const InputLimit& l : InputLimits()) all.push_back(FindDesignField(l.field));
    return all;
  }();
  const std::vector<InputLimit>& limits = InputLimits();
  for (std::size_t i = 0; i < limits.size(); ++i) {
    const InputLimit& l = limits[i];
    if (l.kind == K::DeviceType) {
      if (auto m = CheckMachineType(d.MachineType)) return m;
      continue;
    }
    if (!fields[i]) RaiseError(err::SubscriptOutOfRange);
    const DesignField& f = *fields[i];
    if (!IsList(l)) {
      if (auto m = CheckOf(d, l, &f, FieldNumber(d, f))) return m;
      continue;
    }
    // The firing order is judged as a whole. Only the rows of the engine's
    // cylinders count; the rows above keep whatever they held.
    if (l.kind == K::Cylinder) {
      if (auto m = CheckFiringOrder(d)) return m;
      continue;
    }
    for (int k = 1; k <= d.NumCylinders; ++k)
      if (auto m = CheckOf(d, l, &f, FieldNumber(d, f, k), k)) return m;
  }
  return std::nullopt;
}

}  // namespace zorvan
