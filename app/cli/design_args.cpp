#include "app/cli/design_args.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "app/cli/model_arg.h"
#include "app/cli/text_commands.h"
#include "core/checked.h"
#include "core/design.h"
#include "core/field_table.h"
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

// Codes whose range the later steps rely on to index their tables. A value
// beyond the 16-bit range is left to the assignment, which reports the overflow.
bool InDomain(const std::string& field, double v, std::ostream& err) {
  auto check = [&](const char* name, int lo, int hi) {
    if (field != name) return true;
    double r = std::nearbyint(v);  // as the assignment rounds it, before the range is checked
    if (r >= lo && r <= hi) return true;
    err << "zorvan-cli: " << name << " must be " << lo << " to " << hi << ", not " << v << "\n";
    return false;
  };
  return check("NumCylinders", 1, kMaxCylinders) && check("UnitSystem", 1, 5);
}

int CheckSetting(const FieldSetting& s, std::ostream& err) {
  const DesignField* f = FindField(s.field);
  if (!f) {
    err << "zorvan-cli: unknown field '" << s.field << "'\n";
    return 2;
  }
  if (IsText(*f)) {
    if (s.value == "Engine" || s.value == "Pump") return 0;
    err << "zorvan-cli: MachineType must be Engine or Pump, not '" << s.value << "'\n";
    return 2;
  }
  std::vector<std::string> items = IsCylinderList(*f) ? SplitList(s.value) : std::vector{s.value};
  if (items.size() > static_cast<std::size_t>(kMaxCylinders)) {
    err << "zorvan-cli: " << s.field << " takes at most " << kMaxCylinders << " values, not "
        << items.size() << "\n";
    return 2;
  }
  for (const std::string& item : items) {
    double v;
    if (!ParseNumber(item, v)) {
      const bool range = IsOutOfRange(item);
      err << "zorvan-cli: " << s.field << ": '" << item << (range ? "' is out of range\n" : "' is not a number\n");
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
  const DesignField& f = *FindField(s.field);
  if (IsText(f)) {
    SetFieldText(d, f, s.value);
  } else if (IsCylinderList(f)) {
    std::vector<std::string> items = SplitList(s.value);
    CylinderArray before = d.*std::get<CylinderArray EngineDesignRecord::*>(f.member);
    try {
      for (std::size_t k = 0; k < items.size(); ++k) SetFieldNumber(d, f, Number(items[k]), static_cast<int>(k + 1));
    } catch (...) {
      d.*std::get<CylinderArray EngineDesignRecord::*>(f.member) = before;  // all entries or none
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

}  // namespace

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
  // The derivation step sets the counterweight radius from the crank; a
  // counterweight given on the command line is put back over it.
  auto givenAgain = [&] {
    return Guarded(ui, "--set Counterweight", [&] {
      for (const FieldSetting& s : args.sets)
        if (s.field.starts_with("Counterweight")) Assign(d, s);
    });
  };
  // Each step works on what the one before derived, so a failure ends the chain.
  return Engine_Data(d, ui) && (!givenCounterweight || givenAgain()) &&
         (givenCounterweight ? RecalculateKeepingCounterweight(d, ui) : RecalculateAll(d, ui)) &&
         FlywheelCalculation(d, ui, flywheel);
}

void WriteMessages(MessageLog& ui, std::ostream& err) {
  for (const std::string& m : ui.messages) err << WithNewlines(m) << "\n";
  ui.messages.clear();
}

}  // namespace zorvan::cli
