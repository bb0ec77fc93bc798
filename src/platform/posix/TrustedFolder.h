// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "platform/FolderTrust.h"

namespace vorlent {

// A folder of the user's that no one else can change, or why there is none.
struct TrustedFolder {
  // The folder, with the links of its base resolved; when distrusted, the part that failed.
  std::string path;
  FolderDistrust distrust = FolderDistrust::None;
  // The errno where the folder could not be made.
  int errorCode = 0;

  bool trusted() const { return distrust == FolderDistrust::None; }
};

// The folder `tail` below `base`, made for this user alone (0700) where it is missing. The base
// is a folder the system or the user names (the home, an XDG folder, /tmp); its links are
// resolved. Every folder on the way must then belong to the user or to root and be writable by
// no one else unless it is sticky; the parts of `tail` must be real folders, no links; and the
// folder itself must belong to the user and be writable by no one else.
TrustedFolder trustedFolder(const std::string& base, std::string_view tail);

}  // namespace vorlent
