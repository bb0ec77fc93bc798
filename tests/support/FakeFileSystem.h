// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Failure.h"
#include "platform/FileSystem.h"

namespace vorlent::testing {

// A file system held in tables: the core meets exactly the files and failures a test lists, and
// nothing touches the disk. Paths are keys as written. Header-only, so that the fuzz targets, which
// build without the test support library, use it too.
class FakeFileSystem final : public FileSystem {
 public:
  // Regular files and their bytes; what the core writes lands here as well.
  std::map<std::string, std::string> files;
  // The listed files this user may rewrite, and the folders that take new files.
  std::set<std::string> rewritable;
  std::set<std::string> writableFolders;
  // The failure text that reading or writing the path throws, whatever stands there.
  std::map<std::string, std::string> failures;
  // What a path not in `files` is: missing unless a test says otherwise (Other stands for a FIFO
  // or a device). A regular file known only so reads as empty.
  std::function<FileKind(std::string_view)> unlisted;
  // Every path written, in order.
  std::vector<std::string> written;

  bool fileExists(std::string_view path) const override {
    const FileKind kind = kindOf(path);
    return kind == FileKind::Regular || kind == FileKind::Other;
  }

  bool folderExists(std::string_view path) const override {
    return kindOf(path) == FileKind::Folder;
  }

  void writeFile(std::string_view path, std::string_view bytes) override {
    failIfListed(path);
    written.emplace_back(path);
    files.insert_or_assign(std::string(path), std::string(bytes));
  }

  FileKind kindOf(std::string_view path) const override {
    if (files.contains(std::string(path))) {
      return FileKind::Regular;
    }
    return unlisted ? unlisted(path) : FileKind::Missing;
  }

  std::string readRegularFile(std::string_view path, std::size_t limit) const override {
    failIfListed(path);
    switch (kindOf(path)) {
      case FileKind::Missing:
        throw Failure(fileFailureText(FileFailureKind::FileNotFound));
      case FileKind::Folder:
      case FileKind::Other:
        throw Failure(notARegularFileText(path));
      case FileKind::Regular:
        break;
    }
    const auto file = files.find(std::string(path));
    const std::string bytes = file == files.end() ? std::string() : file->second;
    if (bytes.size() > limit) {
      throw Failure(fileTooLargeText(path, limit));
    }
    return bytes;
  }

  bool canRewrite(std::string_view path) const override {
    return kindOf(path) == FileKind::Regular && rewritable.contains(std::string(path));
  }

  bool folderTakesNewFiles(std::string_view folder) const override {
    return writableFolders.contains(std::string(folder));
  }

 private:
  void failIfListed(std::string_view path) const {
    if (const auto failure = failures.find(std::string(path)); failure != failures.end()) {
      throw Failure(failure->second);
    }
  }
};

}  // namespace vorlent::testing
