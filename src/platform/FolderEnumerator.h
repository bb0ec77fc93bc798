// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// A wall-clock time in the user's local time zone, to the minute.
struct LocalTime {
  int year = 1970;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;

  bool operator==(const LocalTime&) const = default;
};

// The size and time of a name. A symbolic link is described by what it points to; a link that
// points nowhere is a file of size 0 with the link's own time. Folders have size 0.
struct ItemDetails {
  std::uint64_t sizeInBytes = 0;
  LocalTime lastWrite;
};

// Reads the details of one name given by its full path; nothing when the name is gone.
using DetailsOfPath = std::function<std::optional<ItemDetails>(const std::string& fullPath)>;

// One name of a folder as the enumeration delivers it.
struct FolderItem {
  std::string name;  // the exact bytes of the name
  bool isFolder = false;
  // Nothing when the enumeration delivered the name without its size and time; they are read
  // with FolderContents::readDetails when needed. Where the system delivers them with the name
  // (Windows), they are always there.
  std::optional<ItemDetails> details;
};

struct FolderContents {
  // The folder as a full path, normalised (no "." or ".." components).
  std::string folderPath;
  // In enumeration order. "." is never among them; ".." is, unless the folder is the root of
  // the whole tree.
  std::vector<FolderItem> items;
  // Reads the details of the items that came without them. Self-contained: it may outlive the
  // enumerator.
  DetailsOfPath readDetails;
};

// Reads a folder's names with their kind, and their size and time where the system delivers
// them with the names. Elsewhere a name costs a status query of its own, which a long listing
// should not pay for names nobody looks at.
class FolderEnumerator {
 public:
  virtual ~FolderEnumerator() = default;

  // Nothing when the folder does not exist or cannot be read; the current folder is never
  // changed.
  virtual std::optional<FolderContents> enumerate(std::string_view folder) = 0;
};

std::unique_ptr<FolderEnumerator> makeFolderEnumerator();

}  // namespace vorlent
