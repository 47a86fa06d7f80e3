// A model file named on the command line is read as File, Open reads it. The
// front end counts as starting up, so a good read adds no message of its own.
#include "app/cli/model_arg.h"

#include "app/cli/design_args.h"
#include "files/balancer_file.h"
#include "files/model_file.h"

namespace zorvan::cli {

int ReadModelArgument(const std::string& path, EngineDesignRecord& design, ProgramValues& values,
                      MessageList& messages, std::ostream& err) {
  values.StartingUp = true;
  // The balance shafts beside the model file come with it; a file of them
  // that cannot be read is a bad argument, told before anything is done.
  std::vector<BalanceShaft> shafts;
  if (!ReadBalancerFile(path, shafts, messages)) {
    WriteMessages(messages, err);
    return 2;
  }
  if (OpenModelFile(path, design, values, messages)) {
    design.BalanceShafts = std::move(shafts);
    return 0;
  }
  WriteMessages(messages, err);
  // The report names the procedure, not the file: say which file it was.
  err << "zorvan-cli: the model file '" << path << "' could not be read\n";
  return 1;
}

}  // namespace zorvan::cli
