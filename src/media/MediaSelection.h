// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "browser/FileList.h"
#include "browser/MediumKind.h"
#include "platform/PathStyle.h"
#include "platform/ShortPaths.h"

namespace vorlent {

// The entry a mount reads: the focused entry while exactly one entry is selected; nothing when
// the selection is another size or no entry holds the focus.
const FileListEntry* singleSelectedEntry(const FileList& list);

struct MountableFile {
  std::string shortPath;
  std::string displayName;
};

// The entry as a medium of the kind, or nothing when its extension tells another kind, when its
// path could not be stored in the configuration file, or when it has no short form.
std::optional<MountableFile> mountableFile(const FileListEntry& entry, MediumKind kind,
                                           ShortPaths& shortPaths, PathStyle style);

// The single selected entry as a medium of the kind; nothing as for the two above.
std::optional<MountableFile> selectedMountableFile(const FileList& list, MediumKind kind,
                                                   ShortPaths& shortPaths, PathStyle style);

}  // namespace vorlent
