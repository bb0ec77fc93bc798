#include "platform/posix/PosixDetachedSpawn.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;

namespace vorlent {

namespace {

// Owns both ends of a pipe.
class Pipe {
 public:
  Pipe() {
    if (::pipe2(ends_, O_CLOEXEC) != 0) {
      ends_[0] = ends_[1] = -1;
    }
  }
  ~Pipe() {
    closeReadEnd();
    closeWriteEnd();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  bool valid() const { return ends_[0] >= 0; }
  int readEnd() const { return ends_[0]; }
  int writeEnd() const { return ends_[1]; }
  void closeReadEnd() { closeEnd(0); }
  void closeWriteEnd() { closeEnd(1); }

 private:
  void closeEnd(int index) {
    if (ends_[index] >= 0) {
      ::close(ends_[index]);
      ends_[index] = -1;
    }
  }
  int ends_[2];
};

// Runs in the forked children, so only async-signal-safe calls are made.
[[noreturn]] void reportAndExit(int reportFd, int errorCode) {
  [[maybe_unused]] const ssize_t ignored = ::write(reportFd, &errorCode, sizeof errorCode);
  ::_exit(127);
}

[[noreturn]] void execInGrandchild(const char* program, char* const* argv, int reportFd,
                                   int inherited) {
  ::setsid();
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  ::sigaction(SIGPIPE, &standard, nullptr);
  if (inherited >= 0) {
    ::fcntl(inherited, F_SETFD, 0);
  }
  ::execve(program, argv, environ);
  reportAndExit(reportFd, errno);
}

}  // namespace

int spawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                  int inherited) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  Pipe report;
  if (!report.valid()) {
    return errno;
  }
  const pid_t child = ::fork();
  if (child < 0) {
    return errno;
  }
  if (child == 0) {
    report.closeReadEnd();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) {
      reportAndExit(report.writeEnd(), errno);
    }
    if (grandchild == 0) {
      execInGrandchild(program.c_str(), argv.data(), report.writeEnd(), inherited);
    }
    ::_exit(0);
  }
  report.closeWriteEnd();
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // The write end closes when the program has been executed; a failure is reported before.
  int errorCode = 0;
  ssize_t got = 0;
  do {
    got = ::read(report.readEnd(), &errorCode, sizeof errorCode);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof errorCode) ? errorCode : 0;
}

}  // namespace vorlent
