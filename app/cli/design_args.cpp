#include "app/cli/design_args.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "app/cli/model_arg.h"
#include "app/cli/text_commands.h"
#include "core/design_runner.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "core/startup.h"
#include "files/atomic_file.h"

namespace zorvan::cli {

namespace {

// The pressure options' values; false after a message for one it cannot take.
bool PressureOption(const std::string& a, const std::string& v, DesignArgs& out, std::ostream& err) {
  double number = 0;
  const bool numeric = ParseNumber(v, number) && std::isfinite(number);
  if (a == "--pressure") {
    out.pressurePath = v;
  } else if (a == "--pressure-unit") {
    out.pressure.unit = PressureUnitName(v);
    if (out.pressure.unit.empty()) {
      err << "zorvan-cli: --pressure-unit must be bar, kPa, MPa, Pa or psi, not '" << v << "'\n";
      return false;
    }
  } else if (a == "--crankcase") {
    if (!numeric || number < 0) {
      err << "zorvan-cli: --crankcase must be a pressure not below 0, not '" << v << "'\n";
      return false;
    }
    out.pressure.crankcase = number;
  } else if (a == "--tdc-offset") {
    if (!numeric || std::fabs(number) > 1e6) {
      err << "zorvan-cli: --tdc-offset must be a number of degrees, not '" << v << "'\n";
      return false;
    }
    out.pressure.tdcOffset = number;
  }
  return true;
}

}  // namespace

bool IsDesignOptionWithValue(const std::string& option) {
  return option == "--set" || option == "--preset" || option == "--pressure" || option == "--pressure-unit" ||
         option == "--crankcase" || option == "--tdc-offset";
}

int ParseDesignArgs(const std::vector<std::string>& args, std::size_t first, DesignArgs& out,
                    std::ostream& err, const std::vector<std::string>& commandOptions) {
  std::string pressureOption;  // the first option that belongs to --pressure
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
      DesignSetting s{v.substr(0, eq), v.substr(eq + 1)};  // CheckSetting turns names into codes
      if (auto refusal = CheckSetting(s)) {
        err << "zorvan-cli: " << *refusal << "\n";
        return 2;
      }
      out.sets.push_back(std::move(s));
    } else if (a == "--gauge" || a == "--absolute") {
      if (out.pressure.absolute && *out.pressure.absolute != (a == "--absolute")) {
        err << "zorvan-cli: --gauge and --absolute exclude each other\n";
        return 2;
      }
      out.pressure.absolute = a == "--absolute";
      if (pressureOption.empty()) pressureOption = a;
    } else if (a == "--pressure" || a == "--pressure-unit" || a == "--crankcase" || a == "--tdc-offset") {
      if (!value(v) || !PressureOption(a, v, out, err)) return 2;
      if (a != "--pressure" && pressureOption.empty()) pressureOption = a;
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
  if (!pressureOption.empty() && out.pressurePath.empty()) {
    err << "zorvan-cli: " << pressureOption << " belongs to --pressure FILE\n";
    return 2;
  }
  return 0;
}

int ReadShaftOptions(DesignArgs& parsed, MomentReference defaultMoments, std::ostream& err) {
  parsed.moments = defaultMoments;
  std::vector<std::pair<std::string, std::string>> rest;
  for (const auto& [name, value] : parsed.options) {
    if (name == kBalancerOption) {
      parsed.balancer = ParseShaftChoice(value);
      if (!parsed.balancer) {
        err << "zorvan-cli: --balancer must be first, second or both, not '" << value << "'\n";
        return 2;
      }
    } else if (name == kMomentsOption) {
      const std::optional<MomentReference> r = ParseReference(value);
      if (!r) {
        err << "zorvan-cli: --moments-about must be centre or cylinder1, not '" << value << "'\n";
        return 2;
      }
      parsed.moments = *r;
    } else {
      rest.emplace_back(name, value);
    }
  }
  parsed.options = std::move(rest);
  return 0;
}

BuildOutcome StartDesign(const DesignArgs& args, EngineDesignRecord& d, ProgramValues& values,
                         MessageList& messages, std::ostream& err) {
  if (!Initialize(d, messages)) return {1, false};
  if (!args.modelPath.empty()) {
    if (int code = ReadModelArgument(args.modelPath, d, values, messages, err)) return {code, true};
  }
  if (args.preset >= 0 && !ApplyPreset(d, args.preset, messages)) return {1, false};
  if (!args.pressurePath.empty()) {
    const PressureReading r = ReadPressureFile(args.pressurePath, args.pressure);
    if (!r.trace) {
      WriteMessages(messages, err);
      err << "zorvan-cli: " << WithNewlines(r.fault) << "\n";
      return {2, true};
    }
    d.Pressure = r.trace;
  }
  return {};
}

int BuildAndCalculate(const DesignArgs& parsed, CalculatedDesign& c, std::ostream& err, bool withFlywheel,
                      const std::function<void(EngineDesignRecord&)>& adjust) {
  const BuildOutcome started = StartDesign(parsed, c.d, c.values, c.messages, err);
  if (started.endNow) {
    WriteMessages(c.messages, err);
    return started.exitCode;
  }
  if (started.exitCode != 0) return 0;  // c.ok stays false
  RunRequest request;
  request.settings = parsed.sets;
  request.calculate = !adjust;
  request.flywheel = withFlywheel;
  request.sizeShafts = parsed.balancer;
  RunResult run = RunDesign(c.d, request);
  c.messages.Append(run.messages);
  if (run.refusal) {
    WriteMessages(c.messages, err);
    err << "zorvan-cli: " << run.refusal->sentence << "\n";
    return 2;
  }
  if (run.set && adjust) {
    adjust(c.d);
    // The adjusted design is calculated as it stands, with the settings made before.
    request.settings.clear();
    request.madeBefore = parsed.sets;
    request.judgeDesign = false;
    request.calculate = true;
    run = RunDesign(c.d, request);
    c.messages.Append(run.messages);
  }
  c.flywheel = run.flywheel;
  c.ok = run.ok;
  return 0;
}

int WriteDesignOutput(const DesignArgs& parsed, std::ostream& out, std::ostream& err, const char* procedure,
                      const std::function<std::string(const EngineDesignRecord&)>& make) {
  std::string path;
  for (const auto& [name, value] : parsed.options)
    if (name == "-o") path = value;
  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err)) return code;
  bool ok = c->ok;
  if (ok) {
    ok = Guarded(c->messages, procedure, [&] {
      const std::string text = make(c->d);
      if (path.empty())
        out << text;
      else
        ReplaceFileAtomically(path, text);
    });
  }
  WriteMessages(c->messages, err);
  return ok ? 0 : 1;
}

void WriteMessages(MessageList& messages, std::ostream& err) {
  for (const Message& m : messages) err << WithNewlines(m.text) << "\n";
  messages.Clear();
}

}  // namespace zorvan::cli
