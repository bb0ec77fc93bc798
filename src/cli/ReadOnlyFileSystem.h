// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FileSystem.h"

namespace vorlent {

// The file system as the companion sees it: it reads and tests like the real one and writes
// nothing, so that building a command shows what the program would do without doing it.
class ReadOnlyFileSystem final : public FileSystem {
 public:
  explicit ReadOnlyFileSystem(const FileSystem& real) : real_(real) {}

  bool fileExists(std::string_view path) const override { return real_.fileExists(path); }
  bool folderExists(std::string_view path) const override { return real_.folderExists(path); }
  void writeFile(std::string_view, std::string_view) override {}
  FileKind kindOf(std::string_view path) const override { return real_.kindOf(path); }
  // Whatever the program would refuse to write, the companion refuses as well.
  FileKind entryKindOf(std::string_view path) const override { return real_.entryKindOf(path); }
  std::string readRegularFile(std::string_view path, std::size_t limit) const override {
    return real_.readRegularFile(path, limit);
  }
  bool canRewrite(std::string_view path) const override { return real_.canRewrite(path); }
  bool folderTakesNewFiles(std::string_view folder) const override {
    return real_.folderTakesNewFiles(folder);
  }

 private:
  const FileSystem& real_;
};

}  // namespace vorlent
