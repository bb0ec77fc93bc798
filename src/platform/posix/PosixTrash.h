#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// Moves a file or folder into the freedesktop trash, so that a desktop's trash can restore it:
// the home trash when the item is on the same file system, else the trash at the top of the
// item's own file system (".Trash/$uid" when the administrator made ".Trash" sticky, else
// ".Trash-$uid"), each used only as a real folder of the user's that is closed to others.
// Nothing is ever deleted for good. Returns the error text for the user, empty on success.
std::string moveToTrash(std::string_view path);

// The home trash: $XDG_DATA_HOME/Trash, else .local/share/Trash in the user's home ($HOME, or
// the home the password database names); nothing when the user has no home.
std::optional<std::string> homeTrashFolder();

// The bytes of a path as a .trashinfo file writes them: everything but unreserved characters
// and "/" as %XX.
std::string trashInfoEscaped(std::string_view path);

}  // namespace vorlent
