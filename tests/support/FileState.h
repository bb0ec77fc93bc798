// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vorlent::testing {

// What a file or folder is, without following a link: its kind, owner, group, mode bits and,
// for a file, its bytes (their count and digest when they are many); "missing" when there is
// nothing. Two states compare equal only when nothing of that changed.
std::string fileState(const std::string& path);

// Makes the path belong to the user "nobody" (and its group); false when that is not possible.
bool giveToNobody(const std::string& path);

// Whether the tests run as root, which the cases of another user's files need.
bool runningAsRoot();

}  // namespace vorlent::testing
