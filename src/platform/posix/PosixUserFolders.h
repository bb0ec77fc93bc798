#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlent {

// Whether the text holds a blank or a control character, which a command line split at blanks
// cannot carry.
bool holdsBlankOrControl(std::string_view text);

// Creates the folder (and the folders on its way) for this user alone when it is missing.
// Nothing when it cannot be made, or when it is a link or belongs to someone else.
std::optional<std::string> privateFolder(const std::string& path);

// The per-user data folder that keeps the blank-free aliases of paths; it survives a restart.
std::optional<std::string> aliasFolder();

// The per-user folder that holds the DOSBox staging folders of the current session.
std::optional<std::string> stagingRoot();

}  // namespace vorlent
