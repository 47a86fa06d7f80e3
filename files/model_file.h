#pragma once
// The model file: one field per line, CR LF, marker and version first.
#include <istream>
#include <ostream>
#include <string>

#include "core/design_record.h"
#include "platform/ui.h"
#include "shell/program_values.h"

namespace zorvan {

// Writes every line of the design to out. Reads the record only.
void Writefile(std::ostream& out, const EngineDesignRecord& d, const ProgramValues& v);

// Reads a model file from in ("Readfile"): the design is taken over only when the
// whole body has been read; failures are reported under "Readfile" (or the
// incompatibility message is shown). Returns true when the design was read.
bool Readfile(std::istream& in, EngineDesignRecord& d, ProgramValues& v, Ui& ui);

// Saves to path without ever destroying the file that was there (temporary file,
// flush, rename). Throws RunTimeError on failure (the caller reports it under its
// own name); on success shows "The file was successfully written to ...".
void SaveModelFile(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v, Ui& ui);

// Opens path and runs Readfile; a file that cannot be opened is reported under
// "Readfile". Returns true when the design was read.
bool OpenModelFile(const std::string& path, EngineDesignRecord& d, ProgramValues& v, Ui& ui);

}  // namespace zorvan
