#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace vorlent {

// What a path names, links followed.
enum class FileKind { Missing, Regular, Folder, Other };

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

  // The whole content of the file.
  virtual std::string readFile(std::string_view path) const = 0;

  virtual FileKind kindOf(std::string_view path) const = 0;

  // The whole content of a regular file of at most `limit` bytes. The file is opened without
  // waiting for a writer or a device and judged on what was opened, so anything but a regular
  // file is refused however the name changed meanwhile; refusals are thrown as Failure.
  virtual std::string readRegularFile(std::string_view path, std::size_t limit) const = 0;

  // Whether the path names a regular file that this user may write.
  virtual bool canRewrite(std::string_view path) const = 0;

  // Whether a new file can be made in the folder (tried, not guessed from permissions).
  virtual bool folderTakesNewFiles(std::string_view folder) const = 0;
};

std::unique_ptr<FileSystem> makeFileSystem();

}  // namespace vorlent
