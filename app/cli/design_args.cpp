#include "app/cli/design_args.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <variant>

#include "app/cli/model_arg.h"
#include "app/cli/text_commands.h"
#include "core/checked.h"
#include "core/design.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/units.h"
#include "core/error_report.h"

namespace zorvan::cli {

namespace {

using R = EngineDesignRecord;
struct MachineTypeField {};
using FieldRef = std::variant<float R::*, int16_t R::*, CylinderArray R::*, MachineTypeField>;

struct Field {
  const char* name;
  FieldRef ref;
};

const std::vector<Field>& Fields() {
  static const std::vector<Field> kFields{
      {"Bore", &R::Bore},
      {"CylinderDisplacement", &R::CylinderDisplacement},
      {"LRRatio", &R::LRRatio},
      {"PistonMass", &R::PistonMass},
      {"ConrodMass", &R::ConrodMass},
      {"CrankMass", &R::CrankMass},
      {"CrankCGFraction", &R::CrankCGFraction},
      {"ConrodCGFraction", &R::ConrodCGFraction},
      {"FrictionCoefficient", &R::FrictionCoefficient},
      {"MainJournalDiameter", &R::MainJournalDiameter},
      {"CrankpinJournalDiameter", &R::CrankpinJournalDiameter},
      {"WristpinOffset", &R::WristpinOffset},
      {"IdleRPM", &R::IdleRPM},
      {"RedlineRPM", &R::RedlineRPM},
      {"SpeedIndex", &R::SpeedIndex},
      {"MachineType", MachineTypeField{}},
      {"GasCurve", &R::GasCurve},
      {"GasPressureScale", &R::GasPressureScale},
      {"NumCylinders", &R::NumCylinders},
      {"StrokeCycle", &R::StrokeCycle},
      {"Arrangement", &R::Arrangement},
      {"RodsPerCrank", &R::RodsPerCrank},
      {"CylinderSpacing", &R::CylinderSpacing},
      {"VeeAngle", &R::VeeAngle},
      {"CounterweightMass", &R::CounterweightMass},
      {"CounterweightRadius", &R::CounterweightRadius},
      {"CounterweightAngle", &R::CounterweightAngle},
      {"CoefFluct", &R::CoefFluct},
      {"UnitSystem", &R::UnitSystem},
      {"PhaseAngle", &R::PhaseAngle},
      {"FiringOrder", &R::FiringOrder},
      {"FiringAngle", &R::FiringAngle},
  };
  return kFields;
}

const Field* FindField(const std::string& name) {
  for (const Field& f : Fields())
    if (name == f.name) return &f;
  return nullptr;
}

// A decimal number (exponent form, "nan" and "inf" included); false when the
// text is anything else.
bool ParseNumber(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
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

// Codes whose range the later steps rely on to index their tables. A value
// beyond the 16-bit range is left to the assignment, which reports the overflow.
bool InDomain(const std::string& field, double v, std::ostream& err) {
  auto check = [&](const char* name, int lo, int hi) {
    if (field != name || !(std::fabs(v) < 32768)) return true;
    double r = std::nearbyint(v);  // as the assignment rounds it
    if (r >= lo && r <= hi) return true;
    err << "zorvan-cli: " << name << " must be " << lo << " to " << hi << ", not " << v << "\n";
    return false;
  };
  return check("NumCylinders", 1, kMaxCylinders) && check("UnitSystem", 1, 5);
}

int CheckSetting(const FieldSetting& s, std::ostream& err) {
  const Field* f = FindField(s.field);
  if (!f) {
    err << "zorvan-cli: unknown field '" << s.field << "'\n";
    return 2;
  }
  if (std::holds_alternative<MachineTypeField>(f->ref)) {
    if (s.value == "Engine" || s.value == "Pump") return 0;
    err << "zorvan-cli: MachineType must be Engine or Pump, not '" << s.value << "'\n";
    return 2;
  }
  std::vector<std::string> items =
      std::holds_alternative<CylinderArray R::*>(f->ref) ? SplitList(s.value) : std::vector{s.value};
  if (items.size() > static_cast<std::size_t>(kMaxCylinders)) {
    err << "zorvan-cli: " << s.field << " takes at most " << kMaxCylinders << " values, not "
        << items.size() << "\n";
    return 2;
  }
  for (const std::string& item : items) {
    double v;
    if (!ParseNumber(item, v)) {
      err << "zorvan-cli: " << s.field << ": '" << item << "' is not a number\n";
      return 2;
    }
    if (!InDomain(s.field, v, err)) return 2;
  }
  return 0;
}

double Number(const std::string& text) {
  double v = 0;
  ParseNumber(text, v);
  return v;
}

// Assigns one checked setting; a value out of the field's range raises error 6.
void Assign(EngineDesignRecord& d, const FieldSetting& s) {
  const Field& f = *FindField(s.field);
  std::visit(
      [&](auto ref) {
        using T = decltype(ref);
        if constexpr (std::is_same_v<T, MachineTypeField>) {
          d.MachineType = s.value;
        } else if constexpr (std::is_same_v<T, float R::*>) {
          d.*ref = Sng(Number(s.value));
        } else if constexpr (std::is_same_v<T, int16_t R::*>) {
          d.*ref = CInt(Number(s.value));
        } else {
          std::vector<std::string> items = SplitList(s.value);
          CylinderArray values = d.*ref;
          for (std::size_t k = 0; k < items.size(); ++k) values[k + 1] = Sng(Number(items[k]));
          d.*ref = values;
        }
      },
      f.ref);
  if (s.field == "UnitSystem") {  // relabel only: the values are taken as given
    SetUnitLabels(d);
    SetDigitCounts(d);
  }
}

}  // namespace

const std::vector<std::string>& SettableFieldNames() {
  static const std::vector<std::string> kNames = [] {
    std::vector<std::string> names;
    for (const Field& f : Fields()) names.emplace_back(f.name);
    return names;
  }();
  return kNames;
}

int ParseDesignArgs(const std::vector<std::string>& args, std::size_t first, DesignArgs& out,
                    std::ostream& err, const std::vector<std::string>& commandOptions) {
  for (std::size_t i = first; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& v) {
      if (i + 1 >= args.size()) {
        err << "zorvan-cli: " << a << " needs a value\n";
        return false;
      }
      v = args[++i];
      return true;
    };
    std::string v;
    if (a == "--preset") {
      if (!value(v)) return 2;
      double k;
      if (!ParseNumber(v, k) || k != std::floor(k) || k < 0 || k >= kPresetCount) {
        err << "zorvan-cli: --preset must be 0 to " << kPresetCount - 1 << ", not '" << v << "'\n";
        return 2;
      }
      out.preset = static_cast<int>(k);
    } else if (a == "--set") {
      if (!value(v)) return 2;
      std::size_t eq = v.find('=');
      if (eq == std::string::npos) {
        err << "zorvan-cli: --set needs FIELD=VALUE, not '" << v << "'\n";
        return 2;
      }
      FieldSetting s{v.substr(0, eq), v.substr(eq + 1)};
      if (int code = CheckSetting(s, err)) return code;
      out.sets.push_back(std::move(s));
    } else if (std::find(commandOptions.begin(), commandOptions.end(), a) != commandOptions.end()) {
      if (!value(v)) return 2;
      out.options.emplace_back(a, v);
    } else if (a.starts_with("--")) {
      err << "zorvan-cli: unknown option '" << a << "'\n";
      return 2;
    } else if (out.modelPath.empty() && !a.empty()) {
      out.modelPath = a;
    } else {
      err << "zorvan-cli: unexpected argument '" << a << "'\n";
      return 2;
    }
  }
  return 0;
}

BuildOutcome BuildDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values,
                         MessageLog& ui, std::ostream& err) {
  if (!Initialize(d, ui)) return {1, false};
  if (!args.modelPath.empty()) {
    if (int code = ReadModelArgument(args.modelPath, d, values, ui, err)) return {code, true};
  }
  if (args.preset >= 0 && !ApplyPreset(d, args.preset, ui)) return {1, false};
  for (const FieldSetting& s : args.sets) {
    if (!Guarded(ui, "--set " + s.field, [&] { Assign(d, s); })) return {1, false};
  }
  return {};
}

bool CalculateDesign(const DesignArgs& args, EngineDesignRecord& d, MessageLog& ui, FlywheelResult& flywheel) {
  const bool givenCounterweight = std::any_of(args.sets.begin(), args.sets.end(), [](const FieldSetting& s) {
    return s.field.starts_with("Counterweight");
  });
  // Each step works on what the one before derived, so a failure ends the chain.
  return Engine_Data(d, ui) &&
         (givenCounterweight ? RecalculateKeepingCounterweight(d, ui) : RecalculateAll(d, ui)) &&
         FlywheelCalculation(d, ui, flywheel);
}

void WriteMessages(MessageLog& ui, std::ostream& err) {
  for (const std::string& m : ui.messages) err << WithNewlines(m) << "\n";
  ui.messages.clear();
}

}  // namespace zorvan::cli
