// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "platform/posix/TrustedFolder.h"

namespace vorlent {

// A path in one of the user's alias folders, as the short forms of earlier sessions are saved,
// is followed only while no one else can have changed where it leads: the alias folder and the
// alias's own folder must still be the user's alone. Returns the folder that fails and why;
// nothing for a path that holds, that is in no alias folder, or that leads nowhere.
std::optional<TrustedFolder> distrustedAliasFolder(std::string_view path);

}  // namespace vorlent
