// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixDetachedSpawn.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileDescriptor.h"

extern char** environ;

namespace vorlent {

namespace {

// Owns both ends of a pipe.
struct Pipe {
  Pipe() {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) == 0) {
      readEnd = FileDescriptor(ends[0]);
      writeEnd = FileDescriptor(ends[1]);
    }
  }

  FileDescriptor readEnd;
  FileDescriptor writeEnd;
};

// Runs in the forked children, so only async-signal-safe calls are made.
[[noreturn]] void reportAndExit(int reportFd, int errorCode) {
  [[maybe_unused]] const ssize_t ignored = ::write(reportFd, &errorCode, sizeof errorCode);
  ::_exit(127);
}

[[noreturn]] void execInGrandchild(const char* program, char* const* argv, int reportFd,
                                   const DetachedStart& how) {
  ::setsid();
  sigset_t none;
  ::sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  ::sigaction(SIGPIPE, &standard, nullptr);
  if (how.inherited >= 0) {
    ::fcntl(how.inherited, F_SETFD, 0);
  }
  if (!how.workingFolder.empty() && ::chdir(how.workingFolder.c_str()) != 0) {
    reportAndExit(reportFd, errno);
  }
  if (how.inputFromNullDevice) {
    const int nullDevice = ::open("/dev/null", O_RDONLY);
    if (nullDevice < 0 || ::dup2(nullDevice, STDIN_FILENO) < 0) {
      reportAndExit(reportFd, errno);
    }
    if (nullDevice != STDIN_FILENO) {
      ::close(nullDevice);
    }
  }
  ::execve(program, argv, environ);
  reportAndExit(reportFd, errno);
}

}  // namespace

int spawnDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const DetachedStart& how) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);

  Pipe report;
  if (!report.readEnd.isOpen()) {
    return errno;
  }
  const pid_t child = ::fork();
  if (child < 0) {
    return errno;
  }
  if (child == 0) {
    report.readEnd.close();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) {
      reportAndExit(report.writeEnd.get(), errno);
    }
    if (grandchild == 0) {
      execInGrandchild(program.c_str(), argv.data(), report.writeEnd.get(), how);
    }
    ::_exit(0);
  }
  report.writeEnd.close();
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // The write end closes when the program has been executed; a failure is reported before.
  int errorCode = 0;
  ssize_t got = 0;
  do {
    got = ::read(report.readEnd.get(), &errorCode, sizeof errorCode);
  } while (got < 0 && errno == EINTR);
  return got == static_cast<ssize_t>(sizeof errorCode) ? errorCode : 0;
}

}  // namespace vorlent
