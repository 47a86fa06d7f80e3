#pragma once
// The model file: one field per line, CR LF, marker and version first.
#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "core/design_record.h"
#include "platform/messages.h"
#include "core/program_values.h"

namespace zorvan {

// The whole text of the model file of a design. Throws RunTimeError for a
// design that cannot be stored (a cylinder count outside 1..16, a value that is
// not a finite number).
std::string ModelFileText(const EngineDesignRecord& d, const ProgramValues& v);

// Writes every line of the design to out. Reads the record only.
void Writefile(std::ostream& out, const EngineDesignRecord& d, const ProgramValues& v);

// Reads a model file from in ("Readfile"): the design is taken over only when the
// whole body has been read; failures are reported under "Readfile" (or the
// incompatibility message is told). After a read: LoadedFromFile, FromDiskFile,
// Engine_Data, the labels of the unit system, refreshScreens (when given) and,
// unless starting up, "File ... successfully read.".
// Returns true when the design was read.
bool Readfile(std::istream& in, EngineDesignRecord& d, ProgramValues& v, MessageList& messages,
              const std::function<void()>& refreshScreens = {});

// Writes the model file and, beside it, the entered shaft's stations file
// (files/shaft_file.h), each to a temporary file first; only when both are
// complete are they renamed into place. A design without entered stations
// leaves no stations file of an earlier save beside its model file, so the
// pair always reads back as it was saved. Throws RunTimeError on failure,
// leaving the files that were there.
void WriteModelFiles(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v);

// Saves to path without ever destroying the file that was there (temporary file,
// flush, rename), with the stations file as WriteModelFiles does. Throws
// RunTimeError on failure (the caller reports it under its own name); on
// success tells "The file was successfully written to ...".
void SaveModelFile(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v,
                   MessageList& messages);

// File, Open: sets FilePath, opens path and runs
// Readfile; a file that cannot be opened is reported under "Readfile". The
// stations file beside it, when there is one, is read first: a bad one is told
// with its row, and the design is not read. After a read FileName is the
// file's name without folder and extension and the design's entered shaft is
// the stations file's (none without one); after a failed one FilePath is what
// it was. Returns true when the design was read.
bool OpenModelFile(const std::string& path, EngineDesignRecord& d, ProgramValues& v, MessageList& messages,
                   const std::function<void()>& refreshScreens = {});

}  // namespace zorvan
