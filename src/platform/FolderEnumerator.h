#pragma once

#include <cstdint>
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

// One name of a folder as the enumeration delivers it. A symbolic link is described by what it
// points to; a link that points nowhere is a file of size 0 with the link's own time.
struct FolderItem {
  std::string name;  // the exact bytes of the name
  bool isFolder = false;
  std::uint64_t sizeInBytes = 0;
  LocalTime lastWrite;
};

struct FolderContents {
  // The folder as a full path, normalised (no "." or ".." components).
  std::string folderPath;
  // In enumeration order. "." is never among them; ".." is, unless the folder is the root of
  // the whole tree.
  std::vector<FolderItem> items;
};

// Reads a folder's names with their kind, size and time, one status query per name.
class FolderEnumerator {
 public:
  virtual ~FolderEnumerator() = default;

  // Nothing when the folder does not exist or cannot be read; the current folder is never
  // changed.
  virtual std::optional<FolderContents> enumerate(std::string_view folder) = 0;
};

std::unique_ptr<FolderEnumerator> makeFolderEnumerator();

}  // namespace vorlent
