// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Failure.h"

namespace vorlent {

// What a path names, links followed.
enum class FileKind { Missing, Regular, Folder, Other };

// A lock on a file that other programs locking the same file wait for; released when destroyed.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

// Existence tests and whole-file reading and writing. Paths are in the core's text encoding;
// failures are thrown as Failure with the report's wording.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Whether the path names an existing file that is not a folder.
  virtual bool fileExists(std::string_view path) const = 0;

  // Whether the path names an existing folder.
  virtual bool folderExists(std::string_view path) const = 0;

  // Creates or truncates the file and writes the bytes. A FIFO without a reader never blocks:
  // it is a failure.
  virtual void writeFile(std::string_view path, std::string_view bytes) = 0;

  virtual FileKind kindOf(std::string_view path) const = 0;

  // The whole content of a regular file of at most `limit` bytes. The file is opened without
  // waiting for a writer or a device and judged on what was opened, so anything but a regular
  // file is refused however the name changed meanwhile; refusals are thrown as Failure.
  virtual std::string readRegularFile(std::string_view path, std::size_t limit) const = 0;

  // Whether the path names a regular file that this user may write.
  virtual bool canRewrite(std::string_view path) const = 0;

  // Whether a new file can be made in the folder (tried, not guessed from permissions).
  virtual bool folderTakesNewFiles(std::string_view folder) const = 0;

  // What the name itself stands for, a link not followed: a link of any kind is Other. The
  // defaults of this and the next two serve fakes that know no links.
  virtual FileKind entryKindOf(std::string_view path) const { return kindOf(path); }

  // Creates or rewrites the file of that name where it stands, never through a link: a link,
  // even to a regular file, and anything else that is no regular file is refused with the
  // "not a regular file" failure before anything is written.
  virtual void writeRegularFile(std::string_view path, std::string_view bytes) {
    if (entryKindOf(path) == FileKind::Other) {
      throw Failure(notARegularFileText(path));
    }
    writeFile(path, bytes);
  }

  // Takes the exclusive lock on the regular file the path names (links followed), the file the
  // name still names once it is taken, waiting a few seconds at most for another holder; nothing
  // when no regular file stands there or the wait ran out.
  virtual std::unique_ptr<FileLock> lockFile(std::string_view path) {
    static_cast<void>(path);
    return nullptr;
  }

  // Rewrites the existing regular file where it stands, for a folder that takes no new file:
  // the room for the bytes is reserved before the first byte changes, so that a full disk
  // leaves the file as it was, and the file then ends where the bytes end.
  virtual void rewriteInPlace(std::string_view path, std::string_view bytes) {
    writeFile(path, bytes);
  }

  // Makes a new empty file of that name, exclusively and without following a link; false, with
  // nothing made, when anything stands under the name already, a link that leads nowhere
  // included. Other failures are thrown.
  virtual bool createNewFile(std::string_view path) {
    if (entryKindOf(path) != FileKind::Missing) {
      return false;
    }
    writeFile(path, "");
    return true;
  }
};

std::unique_ptr<FileSystem> makeFileSystem();

}  // namespace vorlent
