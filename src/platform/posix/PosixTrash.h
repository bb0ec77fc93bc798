// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// Moves a file or folder into the freedesktop trash, so that a desktop's trash can restore it:
// the home trash when the item is on the same mount, else the trash at the top of the item's
// own mount, a bind mount being a mount of its own (".Trash/$uid" when the administrator made
// ".Trash" sticky, else ".Trash-$uid"); each is used only where it and its files/ and info/ are
// real folders of the user's that are closed to others.
// Nothing is ever deleted for good. Returns the error text for the user, empty on success.
// Where neither trash that applies can be trusted, nothing is made and the text says so.
std::string moveToTrash(std::string_view path);

// Why an item was not moved where no trash on its mount can be trusted.
inline constexpr std::string_view kNoTrustedTrash =
    "このファイルのある場所には、他のユーザーが手を加えられないごみ箱がありません";

// The home trash: $XDG_DATA_HOME/Trash, else .local/share/Trash in the user's home ($HOME, or
// the home the password database names); nothing when the user has no home.
std::optional<std::string> homeTrashFolder();

// The bytes of a path as a .trashinfo file writes them: everything but unreserved characters
// and "/" as %XX.
std::string trashInfoEscaped(std::string_view path);

}  // namespace vorlent
