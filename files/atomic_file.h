#pragma once
// Replacing a file without ever leaving it half written.
#include <string>

namespace zorvan {

// Writes bytes to a temporary file beside path, flushes it to the disk and
// renames it over path (a symbolic link is followed, so the file it points at
// is replaced). An existing file keeps its permissions (and, as root, its
// owner and group); a new one gets the usual ones. Anything but a regular
// file, a loop of links and a file that may not be written are refused. On
// failure the temporary file is removed, the file that was there is
// untouched, and a RunTimeError is thrown: 61 disk full, 70 permission
// denied, 76 path not found, 75 for other refusals.
void ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// The classic run-time error number for a system error code.
int ErrorNumberForErrno(int code);

}  // namespace zorvan
