#pragma once
// Replacing a file without ever leaving it half written.
#include <string>
#include <string_view>

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

// The same for a file written piece by piece, so that it need never be held
// whole: the pieces go to the temporary file (buffered), and Commit puts it
// in place. Destroyed without Commit, the temporary file is removed and the
// file at path is left as it was. Failures throw as above.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
  void Write(std::string_view bytes);
  // Puts what is written on the disk (flushed and synced), so that Commit
  // has only the rename left: a full disk stops here, before any file is replaced.
  void Complete();
  void Commit();
  // The file the writer replaces (path with its links followed).
  const std::string& TargetPath() const { return target_; }

 private:
  void Flush();
  std::string target_, folder_, temporary_, buffer_;
  int fd_ = -1;
  bool placed_ = false;
  bool complete_ = false;
};

// The classic run-time error number for a system error code.
int ErrorNumberForErrno(int code);

}  // namespace zorvan
