#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/runtime_error.h"

namespace zorvan {

namespace fs = std::filesystem;

int ErrorNumberForErrno(int code) {
  switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS: return err::PermissionDenied;
    case ENOENT:
    case ENOTDIR: return err::PathNotFound;
    case ENAMETOOLONG: return err::BadFileName;
    case EIO: return err::DeviceIO;
    default: return err::PathFileAccess;
  }
}

namespace {

[[noreturn]] void Fail(int code) { RaiseError(ErrorNumberForErrno(code)); }

// The file that path names, through any symbolic links; a loop of links, or
// a chain longer than the system follows, is refused.
fs::path Target(const std::string& path) {
  std::error_code ec;
  fs::path p(path);
  for (int hops = 0; fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    if (hops == 40) RaiseError(err::PathFileAccess);
    fs::path link = fs::read_symlink(p, ec);
    if (ec) Fail(ec.value());
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  return p;
}

mode_t NewFileMode() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      Fail(errno);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

constexpr std::size_t kBufferBytes = 1 << 16;

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& path) {
  if (path.empty()) RaiseError(err::BadFileName);
  fs::path target = Target(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  // Only a regular file is replaced: a folder, device, pipe or socket stays as it is.
  if (exists && !S_ISREG(old.st_mode)) RaiseError(err::PathFileAccess);
  // A file the user may not write stays as it is, though its folder would allow the rename.
  if (exists && ::access(target.c_str(), W_OK) != 0) Fail(errno);
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  target_ = target.string();
  folder_ = folder.string();

  // A short name of its own, so a target name of any legal length still fits.
  std::string pattern = (folder / ".zorvan-XXXXXX").string();
  fd_ = ::mkstemp(pattern.data());
  if (fd_ < 0) Fail(errno);
  temporary_ = pattern;
  // The file keeps its owner and group where the system allows it (as root).
  if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
    (void)!::fchown(fd_, old.st_uid, old.st_gid);
  if (::fchmod(fd_, exists ? old.st_mode & 07777 : NewFileMode()) != 0) {
    const int code = errno;
    ::close(fd_);
    ::unlink(temporary_.c_str());
    Fail(code);
  }
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) ::close(fd_);
  if (!placed_ && !temporary_.empty()) ::unlink(temporary_.c_str());
}

void AtomicFileWriter::Flush() {
  WriteAll(fd_, buffer_);
  buffer_.clear();
}

void AtomicFileWriter::Write(std::string_view bytes) {
  if (placed_ || complete_ || fd_ < 0) RaiseError(err::BadFileMode);
  if (buffer_.size() + bytes.size() > kBufferBytes) Flush();
  if (bytes.size() > kBufferBytes)
    WriteAll(fd_, bytes);
  else
    buffer_ += bytes;
}

void AtomicFileWriter::Complete() {
  if (placed_ || fd_ < 0) RaiseError(err::BadFileMode);
  if (complete_) return;
  Flush();
  if (::fsync(fd_) != 0) Fail(errno);
  complete_ = true;
}

void AtomicFileWriter::Commit() {
  Complete();
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) Fail(errno);
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(errno);
  placed_ = true;
  // Make the rename itself durable; a folder that cannot be synced changes nothing.
  int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

void ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  AtomicFileWriter file(path);
  file.Write(bytes);
  file.Commit();
}

}  // namespace zorvan
