// Arbitrary bytes as a model file. A read either fails and leaves the design
// as it was, or takes the file over; a design taken over writes a file that
// reads back to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/design.h"
#include "core/runtime_error.h"
#include "files/model_file.h"
#include "core/startup.h"
#include "platform/messages.h"

namespace {

using zorvan::EngineDesignRecord;
using zorvan::ProgramValues;

const EngineDesignRecord& StartDesign() {
  static const EngineDesignRecord start = [] {
    EngineDesignRecord d;
    zorvan::MessageList told;
    zorvan::Initialize(d, told);
    return d;
  }();
  return start;
}

bool Read(const std::string& text, EngineDesignRecord& d, ProgramValues& v) {
  zorvan::MessageList told;
  std::istringstream in(text);
  return zorvan::Readfile(in, d, v, told);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const ProgramValues startValues;
  EngineDesignRecord d = StartDesign();
  ProgramValues v = startValues;
  if (!Read(input, d, v)) {
    if (zorvan::ModelFileText(d, v) != zorvan::ModelFileText(StartDesign(), startValues)) std::abort();
    return 0;
  }
  std::string written;
  try {
    written = zorvan::ModelFileText(d, v);
  } catch (const zorvan::RunTimeError&) {
    return 0;  // a design that cannot be stored is refused with a report, never written
  }
  EngineDesignRecord again = StartDesign();
  ProgramValues againValues = startValues;
  if (!Read(written, again, againValues)) std::abort();
  if (zorvan::ModelFileText(again, againValues) != written) std::abort();
  return 0;
}
