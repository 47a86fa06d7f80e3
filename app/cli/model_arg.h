#pragma once
// Reading a model file named on the zorvan-cli command line.
#include <ostream>
#include <string>

#include "core/design_record.h"
#include "platform/messages.h"
#include "core/program_values.h"

namespace zorvan::cli {
// Reads the file into the design as File, Open does, with the balance shafts
// of the balancer file beside it. Returns 0 on success, or the exit code to
// end with (the message already written to err): 1 for a model file that
// cannot be read, 2 for a balancer file that cannot (nothing read then).
int ReadModelArgument(const std::string& path, EngineDesignRecord& design, ProgramValues& values,
                      MessageList& messages, std::ostream& err);
}  // namespace zorvan::cli
