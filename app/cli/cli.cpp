#include "app/cli/cli.h"

#include "app/cli/dump.h"
#include "app/cli/orders.h"
#include "app/cli/plot.h"
#include "app/cli/sweep.h"
#include "app/cli/table.h"
#include "app/cli/text_commands.h"

namespace zorvan::cli {

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "help") {
    // Asked for, the usage is the output; as a mistake it goes with the other messages.
    std::ostream& usage = args.empty() ? err : out;
    usage << "usage: zorvan-cli dump [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n";
    usage << "       zorvan-cli save OUT.zrv [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli report [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli notice force|moment|torque|firing|mass|spacing|suggestions|guidelines|phase|rodload"
           " [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli flywheel [--coef C] [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli orders [--of torque|shaking] [--csv] [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli plot --type 1|2|3 (--format \"TEXT\" | --functions F:C[,F:C...])"
           " [--style aligned|annotated] [--coord global|local] -o FILE.png|FILE.svg|FILE.pdf [--size WxH]"
           " [--csv FILE.csv] [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli sweep --vary FIELD=FROM:TO:STEP [--vary ...] [--figures LIST] [--jobs N]"
           " [-o FILE.csv] [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli table (--format \"TEXT\" | --columns F:C[,F:C...]) [--step 1|2|3|5|10]"
           " [--decimals 0..6] [--coord global|local] [-o FILE.dat | --printout FILE.pdf]"
           " [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n"
           "       zorvan-cli export [-o FILE] [MODEL.zrv] [--preset K] [--set FIELD=VALUE]...\n";
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "dump") return Dump(args, out, err);
  if (args[0] == "save") return Save(args, out, err);
  if (args[0] == "report") return Report(args, out, err);
  if (args[0] == "notice") return Notice(args, out, err);
  if (args[0] == "flywheel") return Flywheel(args, out, err);
  if (args[0] == "orders") return Orders(args, out, err);
  if (args[0] == "plot") return Plot(args, out, err);
  if (args[0] == "sweep") return Sweep(args, out, err);
  if (args[0] == "table") return Table(args, out, err);
  if (args[0] == "export") return Export(args, out, err);
  err << "zorvan-cli: unknown command '" << args[0] << "'\n";
  return 2;
}

}  // namespace zorvan::cli
