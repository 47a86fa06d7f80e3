// zorvan-cli notice KIND: one of the balance or design notices of the
// calculated design.
#include <functional>
#include <map>

#include "app/cli/design_args.h"
#include "app/cli/text_commands.h"
#include "screen_logic/notices.h"
#include "core/error_report.h"
#include "core/rod_load.h"

namespace zorvan::cli {

namespace {
using NoticeBuilder = std::function<std::string(const EngineDesignRecord&)>;

const std::map<std::string, NoticeBuilder>& Notices() {
  static const std::map<std::string, NoticeBuilder> notices{
      {"force", [](const EngineDesignRecord& d) { return BalanceNoticeText(d, BalanceKind::Force); }},
      {"moment", [](const EngineDesignRecord& d) { return BalanceNoticeText(d, BalanceKind::Moment); }},
      {"torque", [](const EngineDesignRecord& d) { return BalanceNoticeText(d, BalanceKind::Torque); }},
      {"firing", FiringArrangementText},
      {"mass", MassNoticeText},
      {"spacing", [](const EngineDesignRecord&) { return SpacingNoticeText(); }},
      {"suggestions", [](const EngineDesignRecord&) { return SuggestionsNoticeText(); }},
      {"guidelines", [](const EngineDesignRecord& d) { return GuidelinesNoticeText(d.StrokeCycle); }},
      {"phase", PhaseAngleAdviceText},
      {"rodload", [](const EngineDesignRecord& d) { return RodLoadText(d, RodLoadOf(d)); }},
  };
  return notices;
}
}  // namespace

int Notice(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  auto it = args.size() >= 2 ? Notices().find(args[1]) : Notices().end();
  if (it == Notices().end()) {
    err << "zorvan-cli: notice needs one of force, moment, torque, firing, mass, spacing, suggestions, "
           "guidelines, phase, rodload\n";
    return 2;
  }
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 2, parsed, err)) return code;
  // A notice that cannot be built (a stroke cycle beyond 16 bits) is reported like any failure.
  return WriteDesignText(parsed, out, err, args[1] == "rodload" ? "Rod_Load" : "Notice",
                         [&](const EngineDesignRecord& d, const ProgramValues&) { return it->second(d); });
}

}  // namespace zorvan::cli
