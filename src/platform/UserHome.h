// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vorlent {

// The user's home folder, where per-user data of other programs is found; nothing when the
// system names none.
std::optional<std::string> userHomeFolder();

}  // namespace vorlent
