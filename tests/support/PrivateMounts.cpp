// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateMounts.h"

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace vorlent::testing {

WatchedRun runWithPrivateMounts(const std::vector<std::string>& folders,
                                const std::function<std::string()>& action, int seconds) {
  const std::string refused = std::string(kNoPrivateMounts) + ": ";
  WatchedRun run = runWatched(
      [&]() -> std::string {
        if (::geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
          return refused + "cannot have a mount namespace of its own";
        }
        for (const std::string& folder : folders) {
          if (::mount("vorlent-test", folder.c_str(), "tmpfs", 0, "mode=1777,size=64m") != 0) {
            return refused + "cannot mount over " + folder;
          }
        }
        return action();
      },
      seconds);
  if (run.finished && run.report.rfind(refused, 0) == 0) {
    run.finished = false;
    run.problem = run.report;
  }
  return run;
}

}  // namespace vorlent::testing
