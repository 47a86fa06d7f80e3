#include "app/cli/design_args.h"

#include <algorithm>
#include <charconv>
#include <cctype>
#include <cmath>
#include <optional>

#include "app/cli/model_arg.h"
#include "app/cli/text_commands.h"
#include "core/checked.h"
#include "core/design.h"
#include "core/field_table.h"
#include "core/input_limits.h"
#include "core/machine_type.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/units.h"
#include "core/error_report.h"

namespace zorvan::cli {

namespace {

// The fields --set accepts: the design's inputs.
const DesignField* FindField(const std::string& name) {
  const DesignField* f = FindDesignField(name);
  return f && f->role == FieldRole::Input ? f : nullptr;
}

// A decimal number (exponent form, "nan" and "inf" included); false when the
// text is anything else.
bool ParseNumber(std::string_view text, double& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
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

}  // namespace

int CheckSetting(FieldSetting& s, std::ostream& err) {
  const DesignField* f = FindField(s.field);
  if (!f) {
    err << "zorvan-cli: unknown field '" << s.field << "'\n";
    return 2;
  }
  if (IsText(*f)) {
    if (!CheckMachineType(s.value)) return 0;
    err << "zorvan-cli: MachineType must be Engine or Pump, not '" << s.value << "'\n";
    return 2;
  }
  if (s.field == "Arrangement") {
    if (std::string code = ArrangementCode(s.value); !code.empty()) s.value = code;
  }
  std::vector<std::string> items = IsCylinderList(*f) ? SplitList(s.value) : std::vector{s.value};
  if (items.size() > static_cast<std::size_t>(kMaxCylinders)) {
    err << "zorvan-cli: " << s.field << " takes at most " << kMaxCylinders << " values, not "
        << items.size() << "\n";
    return 2;
  }
  for (std::size_t k = 0; k < items.size(); ++k) {
    const std::string& item = items[k];
    double v;
    if (!ParseNumber(item, v) || std::isnan(v)) {
      const bool range = IsOutOfRange(item);
      err << "zorvan-cli: " << s.field << ": '" << item << (range ? "' is out of range\n" : "' is not a number\n");
      return 2;
    }
    if (std::isinf(v)) {
      err << "zorvan-cli: " << s.field << ": '" << item << "' is out of range\n";
      return 2;
    }
    const int cylinder = IsCylinderList(*f) ? static_cast<int>(k + 1) : 0;
    if (auto message = CheckInputValue(s.field, v, cylinder)) {
      err << "zorvan-cli: " << s.field << ": " << *message << "\n";
      return 2;
    }
  }
  return 0;
}

namespace {

double Number(const std::string& text) {
  double v = 0;
  ParseNumber(text, v);
  return v;
}

}  // namespace

// Assigns one checked setting; a value out of the field's range raises error 6.
void AssignSetting(EngineDesignRecord& d, const FieldSetting& s) {
  const DesignField& f = *FindField(s.field);
  if (IsText(f)) {
    SetMachineType(d, s.value);  // the type brings its own gas curve and scale
  } else if (IsCylinderList(f) && s.entry > 0) {
    SetFieldNumber(d, f, Number(s.value), s.entry);
  } else if (IsCylinderList(f)) {
    std::vector<std::string> items = SplitList(s.value);
    CylinderArray before = d.*std::get<CylinderArray EngineDesignRecord::*>(f.member);
    try {
      for (std::size_t k = 0; k < items.size(); ++k) SetFieldNumber(d, f, Number(items[k]), static_cast<int>(k + 1));
    } catch (...) {
      d.*std::get<CylinderArray EngineDesignRecord::*>(f.member) = before;  // all entries or none
      throw;
    }
  } else if (s.field == "PeakPressureEngine" || s.field == "PeakPressurePump") {
    const float before = d.*std::get<float EngineDesignRecord::*>(f.member);
    SetFieldNumber(d, f, Number(s.value));
    try {
      DeriveGasScale(d);  // the entered pressure is the peak of the curve in use
    } catch (...) {
      d.*std::get<float EngineDesignRecord::*>(f.member) = before;
      throw;
    }
  } else {
    SetFieldNumber(d, f, Number(s.value));
  }
  if (s.field == "UnitSystem") {  // relabel only: the values are taken as given
    SetUnitLabels(d);
    SetDigitCounts(d);
  }
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
      FieldSetting s{v.substr(0, eq), v.substr(eq + 1)};  // CheckSetting turns names into codes
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

BuildOutcome StartDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values, MessageLog& ui,
                         std::ostream& err) {
  if (!Initialize(d, ui)) return {1, false};
  if (!args.modelPath.empty()) {
    if (int code = ReadModelArgument(args.modelPath, d, values, ui, err)) return {code, true};
  }
  if (args.preset >= 0 && !ApplyPreset(d, args.preset, ui)) return {1, false};
  for (const FieldSetting& s : args.sets) {
    if (!Guarded(ui, "--set " + s.field, [&] { AssignSetting(d, s); })) return {1, false};
  }
  return {};
}

BuildOutcome BuildDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values,
                         MessageLog& ui, std::ostream& err) {
  if (BuildOutcome started = StartDesign(args, d, values, ui, err); started.exitCode != 0) return started;
  // The design as given, whatever it came from, is judged before it is calculated.
  if (std::optional<std::string> message = CheckDesignInputs(d)) {
    WriteMessages(ui, err);
    err << "zorvan-cli: " << *message << "\n";
    return {2, true};
  }
  return {};
}

bool CalculateDesign(const DesignArgs& args, EngineDesignRecord& d, Ui& ui, FlywheelResult& flywheel,
                     bool withFlywheel) {
  const bool givenCounterweight = std::any_of(args.sets.begin(), args.sets.end(), [](const FieldSetting& s) {
    return s.field.starts_with("Counterweight");
  });
  // The derivation step sets the counterweight radius from the crank; a
  // counterweight given on the command line is put back over it.
  auto givenAgain = [&] {
    return Guarded(ui, "--set Counterweight", [&] {
      for (const FieldSetting& s : args.sets)
        if (s.field.starts_with("Counterweight")) AssignSetting(d, s);
    });
  };
  // Each step works on what the one before derived, so a failure ends the chain.
  return Engine_Data(d, ui) && (!givenCounterweight || givenAgain()) &&
         (givenCounterweight ? RecalculateKeepingCounterweight(d, ui) : RecalculateAll(d, ui)) &&
         (!withFlywheel || FlywheelCalculation(d, ui, flywheel));
}

void WriteMessages(MessageLog& ui, std::ostream& err) {
  for (const std::string& m : ui.messages) err << WithNewlines(m) << "\n";
  ui.messages.clear();
}

}  // namespace zorvan::cli
