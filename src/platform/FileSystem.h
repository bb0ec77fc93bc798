#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace vorlent {

// Existence tests and whole-file reading and writing. Paths are in the core's text encoding;
// failures are thrown as Failure with the report's wording.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Whether the path names an existing file that is not a folder.
  virtual bool fileExists(std::string_view path) const = 0;

  // Whether the path names an existing folder.
  virtual bool folderExists(std::string_view path) const = 0;

  // Creates or truncates the file and writes the bytes.
  virtual void writeFile(std::string_view path, std::string_view bytes) = 0;

  // The whole content of the file.
  virtual std::string readFile(std::string_view path) const = 0;
};

std::unique_ptr<FileSystem> makeFileSystem();

}  // namespace vorlent
