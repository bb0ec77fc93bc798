#pragma once

#include <cstdint>
#include <string_view>

namespace vorlent {

// Icon numbers of the file list that do not come from a file's extension.
inline constexpr int kFolderIcon = 0;
inline constexpr int kPlainFileIcon = 1;
inline constexpr int kParentFolderIcon = 6;

// The icon of a file (1 to 18) from its extension (with its dot, any letter case) and its true
// size in bytes.
int ClassifyEntryIcon(std::string_view extension, std::uint64_t sizeInBytes);

}  // namespace vorlent
