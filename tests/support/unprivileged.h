#pragma once
// Checks of what file permissions forbid, run without the superuser's rights
// (the superuser may write anywhere, and ./test runs as root): as an ordinary
// user they run in place; as root in a child process that has given root up
// for the user nobody and owns the scratch folder. A check returns what went
// wrong, empty when nothing did; the child's answer comes back through a pipe.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>

namespace zorvan::testing {

struct UnprivilegedOutcome {
  bool ran = false;  // false: it could not be run so, `text` says why
  std::string text;  // what went wrong
};

inline UnprivilegedOutcome AsUnprivilegedUser(const std::filesystem::path& scratch,
                                              const std::function<std::string()>& check) {
  auto guarded = [&]() -> std::string {
    try {
      return check();
    } catch (const std::exception& e) {
      return std::string("threw: ") + e.what();
    }
  };
  if (::geteuid() != 0) return {true, guarded()};
  constexpr uid_t kNobody = 65534;
  std::error_code ec;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch, ec))
    if (::lchown(entry.path().c_str(), kNobody, kNobody) != 0) return {false, "cannot give the scratch files away"};
  if (ec || ::chown(scratch.c_str(), kNobody, kNobody) != 0)
    return {false, "cannot give " + scratch.string() + " away"};
  int fds[2];
  if (::pipe(fds) != 0) return {false, "no pipe"};
  const pid_t pid = ::fork();
  if (pid < 0) return {false, "no fork"};
  if (pid == 0) {
    ::close(fds[0]);
    std::string text;
    int code = 0;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      text = std::string("cannot become the user nobody: ") + std::strerror(errno);
      code = 2;
    } else if (::access(scratch.c_str(), R_OK | W_OK | X_OK) != 0) {
      text = "the user nobody cannot reach " + scratch.string();
      code = 2;
    } else {
      text = guarded();
    }
    for (std::size_t done = 0; done < text.size();) {
      const ssize_t n = ::write(fds[1], text.data() + done, text.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(code);
  }
  ::close(fds[1]);
  std::string text;
  char buf[512];
  for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status)) return {true, "the check died: " + text};
  if (WEXITSTATUS(status) == 2) return {false, text};
  return {true, text};
}

}  // namespace zorvan::testing
