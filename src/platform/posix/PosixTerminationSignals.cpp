// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/TerminationSignals.h"

namespace vorlent {

namespace {

constexpr std::array kTerminationSignals = {SIGTERM, SIGINT, SIGHUP};

// The writing end of the pipe; the handler may use nothing but it.
volatile sig_atomic_t signalPipeInput = -1;

extern "C" void noteTerminationSignal(int) {
  const int savedError = errno;
  const char byte = 1;
  // A full pipe holds a request already.
  [[maybe_unused]] const ssize_t written = ::write(signalPipeInput, &byte, 1);
  errno = savedError;
}

}  // namespace

int catchTerminationSignals() {
  static int output = -1;
  if (output >= 0) {
    return output;
  }
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
    return -1;
  }
  signalPipeInput = ends[1];
  struct sigaction action {};
  action.sa_handler = noteTerminationSignal;
  action.sa_flags = SA_RESTART;
  ::sigemptyset(&action.sa_mask);
  for (const int signal : kTerminationSignals) {
    // A signal ignored from the start (nohup, a shell's background job) stays ignored.
    struct sigaction before {};
    if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN) {
      ::sigaction(signal, &action, nullptr);
    }
  }
  output = ends[0];
  return output;
}

void takeTerminationSignals(int handle) {
  std::array<char, 64> bytes{};
  while (::read(handle, bytes.data(), bytes.size()) > 0) {
  }
}

}  // namespace vorlent
