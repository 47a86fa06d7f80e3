#pragma once
// The zorvan-cli commands that write a design or show its texts. Each takes
// the design arguments of dump ([MODEL.zrv] [--preset K] [--set FIELD=VALUE]...)
// after its own; args[0] is the command's name. Texts go to out with each CR or
// CR LF written as one newline; messages go to err. Exit codes: 0 success,
// 1 a failure was reported, 2 bad arguments.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/design_args.h"

namespace zorvan::cli {

// save OUT.zrv [design arguments]: calculates the design and writes its model file.
int Save(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// report [design arguments]: the engine summary report.
int Report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// notice force|moment|torque|firing|mass|spacing|suggestions|guidelines|phase [design arguments].
int Notice(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// flywheel [--coef C] [design arguments]: the energy table and the flywheel summary block.
int Flywheel(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// compare A.zrv B.zrv [--csv] [--moments-about centre|cylinder1]: the figures of
// two model files, each with its balance shafts, and B - A. A file that
// cannot be read is exit code 2, nothing written.
int Compare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes a text with each CR or CR LF as one newline, and a final newline when
// the text does not end with a line break.
void WriteText(const std::string& text, std::ostream& out);
// The text with each CR or CR LF as one newline.
std::string WithNewlines(const std::string& text);

// What report and notice share: builds and calculates the design of `parsed`,
// then writes the text `make` builds from it. A text that cannot be built is
// reported under `procedure`.
int WriteDesignText(const DesignArgs& parsed, std::ostream& out, std::ostream& err, const std::string& procedure,
                    const std::function<std::string(const EngineDesignRecord&, const ProgramValues&)>& make);

}  // namespace zorvan::cli
