#include "app/cli/cli.h"

#include <functional>

#include "app/cli/dump.h"
#include "app/cli/orders.h"
#include "app/cli/plot.h"
#include "app/cli/pressure.h"
#include "app/cli/sweep.h"
#include "app/cli/table.h"
#include "app/cli/torsional.h"
#include "app/cli/text_commands.h"
#include "core/field_table.h"
#include "core/program_values.h"

namespace zorvan::cli {

namespace {

using Handler = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

constexpr const char* kDesign =
    "[MODEL.zrv] [--preset K] [--set FIELD=VALUE]... [--pressure FILE [--pressure-unit U] [--gauge|--absolute] "
    "[--crankcase P] [--tdc-offset DEG]]";

struct Command {
  const char* name;
  std::string synopsis;  // what follows the command's name
  Handler run;
};

// The input fields --set takes, one a line.
int Fields(const std::vector<std::string>&, std::ostream& out, std::ostream&) {
  for (const DesignField& f : DesignFields())
    if (f.role == FieldRole::Input) out << f.name << "\n";
  return 0;
}

const std::vector<Command>& Commands() {
  static const std::vector<Command> kCommands = {
      {"dump", std::string("[--balancer first|second|both] [--moments-about centre|cylinder1] ") + kDesign, Dump},
      {"save", std::string("OUT.zrv [--balancer first|second|both] ") + kDesign, Save},
      {"report", kDesign, Report},
      {"notice", std::string("force|moment|torque|firing|mass|spacing|suggestions|guidelines|phase|rodload ") + kDesign,
       Notice},
      {"flywheel", std::string("[--coef C] ") + kDesign, Flywheel},
      {"orders",
       std::string("[--of torque|shaking] [--csv] [--moments-about centre|cylinder1] [--balancer first|second|both] ") +
           kDesign,
       Orders},
      {"plot",
       std::string("--type 1|2|3 (--format \"TEXT\" | --functions F:C[,F:C...]) [--style aligned|annotated] "
                   "[--coord global|local] -o FILE.png|FILE.svg|FILE.pdf [--size WxH] [--csv FILE.csv] "
                   "[--balancer first|second|both] ") +
           kDesign +
           "\n       zorvan-cli plot --type 4 --functions F [--coord global|local] [--mode envelope|vectors|both] "
           "-o FILE [--size WxH] [--csv FILE.csv] [--balancer first|second|both] " + kDesign +
           "\n       zorvan-cli plot --power | --phasors force|moment [--order 1|2] "
           "-o FILE [--size WxH] [--csv FILE.csv] " + kDesign +
           "\n       zorvan-cli plot --pv [--log] [--compression-ratio R] -o FILE [--size WxH] [--csv FILE.csv] " +
           kDesign,
       Plot},
      {"sweep",
       std::string("--vary FIELD=FROM:TO:STEP [--vary ...] [--figures LIST] [--jobs N] [--shard K/N] [-o FILE.csv] "
                   "[--balancer first|second|both] [--moments-about cylinder1|centre] ") +
           kDesign,
       Sweep},
      {"table",
       std::string("(--format \"TEXT\" | --columns F:C[,F:C...]) [--step 1|2|3|5|10] [--decimals 0..6] "
                   "[--coord global|local] [-o FILE.dat | --printout FILE.pdf] ") +
           kDesign,
       Table},
      {"export", std::string("[-o FILE] ") + kDesign, Export},
      {"torsional",
       std::string("[--stations FILE.csv] [--csv] [--campbell|--modes|--response] [--zeta Z] [-o FILE] "
                   "[--size WxH] ") +
           kDesign,
       Torsional},
      {"compare", "A.zrv B.zrv [--csv] [--moments-about cylinder1|centre]", Compare},
      {"pressure", std::string("[-o FILE.csv] ") + kDesign, Pressure},
      {"fields", "", Fields},
  };
  return kCommands;
}

void Synopsis(const Command& c, const char* lead, std::ostream& out) {
  out << lead << "zorvan-cli " << c.name << (c.synopsis.empty() ? "" : " ") << c.synopsis << "\n";
}

void Usage(std::ostream& out) {
  bool first = true;
  for (const Command& c : Commands()) {
    Synopsis(c, first ? "usage: " : "       ", out);
    first = false;
  }
  out << "       zorvan-cli COMMAND --help\n"
         "       zorvan-cli --version\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "help") {
    // Asked for, the usage is the output; as a mistake it goes with the other messages.
    Usage(args.empty() ? err : out);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    out << "zorvan-cli " << ProgramValues{}.ProgramVersion << "\n";
    return 0;
  }
  for (const Command& c : Commands()) {
    if (args[0] != c.name) continue;
    if (args.size() == 2 && (args[1] == "--help" || args[1] == "-h")) {
      Synopsis(c, "usage: ", out);
      return 0;
    }
    return c.run(args, out, err);
  }
  err << "zorvan-cli: unknown command '" << args[0] << "'\n";
  return 2;
}

}  // namespace zorvan::cli
