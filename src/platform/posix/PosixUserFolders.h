// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/posix/TrustedFolder.h"

namespace vorlent {

// The user's folders as the freedesktop base-directory rules name them. A variable counts only
// when it holds an absolute path; the home is $HOME, else the one the password database names.
// Nothing is made or checked here; each field is empty (nullopt) when the system names none.
struct UserFolders {
  std::optional<std::string> home;
  // $XDG_CONFIG_HOME, else ~/.config.
  std::optional<std::string> config;
  // $XDG_DATA_HOME, else ~/.local/share.
  std::optional<std::string> data;
  // $XDG_RUNTIME_DIR; it has no default.
  std::optional<std::string> runtime;
};

// Every caller that needs one of the user's folders asks here.
UserFolders userFolders();

// Whether the text holds a blank or a control character, which a command line split at blanks
// cannot carry.
bool holdsBlankOrControl(std::string_view text);

// The per-user data folder that keeps the blank-free aliases of paths; it survives a restart.
// Falls back on /var/tmp when the home takes none; when no candidate can be trusted, the last
// one's reason.
TrustedFolder aliasFolder();

// The per-user folder that holds the DOSBox staging folders of the current session, of a path
// no longer than `longestPath`; falls back on /tmp as the alias folder does on /var/tmp.
TrustedFolder stagingRoot(std::size_t longestPath = std::string::npos);

}  // namespace vorlent
