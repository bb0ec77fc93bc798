// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/HostileFiles.h"

namespace vorlent::testing {

// Runs the action in a child process under a watchdog, with mounts of its own: an empty file
// system of its own (sticky and open to all, as /tmp is) on each of the folders, which the rest
// of the machine never sees. The folders can be the system's own /tmp or /var/tmp, so that
// what a user could prepare there is tested without touching the real ones. The run does not
// finish, with the reason as its problem, where the system grants no mounts of one's own
// (without root rights).
WatchedRun runWithPrivateMounts(const std::vector<std::string>& folders,
                                const std::function<std::string()>& action, int seconds = 20);

// The problem of a run that could not have mounts of its own.
inline constexpr const char* kNoPrivateMounts = "no private mounts";

}  // namespace vorlent::testing
