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
// unless starting up, "File ... successfully read.". A model file holds no
// pressure trace: the design read has none (OpenModelFile gives it the one
// beside its file). Returns true when the design was read.
bool Readfile(std::istream& in, EngineDesignRecord& d, ProgramValues& v, MessageList& messages,
              const std::function<void()>& refreshScreens = {});

// Writes the model file and, beside it, the entered shaft's stations file
// (NAME.shaft.csv, files/shaft_file.h) and the design's pressure trace
// (NAME.pressure.csv, files/pressure_file.h); a design without stations or
// without a trace leaves no such file of an earlier save there. All files
// are complete on the disk before any is renamed into place, and the files
// of before are put back if the model file cannot be, so they always read
// back as one save left them. Throws RunTimeError on failure.
void WriteModelFiles(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v);

// Saves to path without ever destroying the file that was there (temporary file,
// flush, rename), with the files beside it as WriteModelFiles writes them. Throws
// RunTimeError on failure (the caller reports it under its own name); on
// success tells "The file was successfully written to ...".
void SaveModelFile(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v,
                   MessageList& messages);

// File, Open: sets FilePath, opens path and runs
// Readfile; a file that cannot be opened is reported under "Readfile". The
// stations file and the pressure trace beside it, when there are any, are
// read first: a bad one is told with its row (or line and column), and the
// design is not read. After a read FileName is the file's name without folder
// and extension, and the design's entered shaft and trace are those beside
// it (none without); after a failed one FilePath is what it was. Returns
// true when the design was read.
bool OpenModelFile(const std::string& path, EngineDesignRecord& d, ProgramValues& v, MessageList& messages,
                   const std::function<void()>& refreshScreens = {});

}  // namespace zorvan
