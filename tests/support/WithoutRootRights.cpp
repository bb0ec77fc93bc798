// SPDX-License-Identifier: GPL-3.0-or-later
#include "WithoutRootRights.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlent::testing {

namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

::testing::AssertionResult holdsWithoutRootRights(const std::function<bool()>& check) {
  if (::geteuid() != 0) {
    return check() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
  }
  const pid_t child = ::fork();
  if (child < 0) {
    return ::testing::AssertionFailure() << "cannot fork";
  }
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(2);
    }
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
    return ::testing::AssertionFailure() << "the unprivileged check did not end normally";
  }
  switch (WEXITSTATUS(status)) {
    case 0:
      return ::testing::AssertionSuccess();
    case 2:
      return ::testing::AssertionFailure() << "cannot drop to the rights of nobody";
    default:
      return ::testing::AssertionFailure() << "the check failed without root rights";
  }
}

}  // namespace vorlent::testing
