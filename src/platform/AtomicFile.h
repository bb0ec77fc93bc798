// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string_view>

#include "platform/ReadStreams.h"

namespace vorlent {

// A file that replaces its target whole or not at all. The bytes go to a temporary file beside
// the target; commit() flushes it to the disk and renames it over the target. Destroying the
// object without a successful commit removes the temporary file and leaves the target as it
// was. Failures are thrown as Failure with the report's wording.
class AtomicFile {
 public:
  virtual ~AtomicFile() = default;

  virtual void write(std::string_view bytes) = 0;

  // Appends the rest of the source where the system can copy it without passing the bytes
  // through the program, and returns true. Returns false where it cannot go on; what it has
  // appended stays and the source is read on from behind it, so the caller reads and writes the
  // rest. A failure of this file itself (a full disk) is thrown as Failure.
  virtual bool appendRestOf(ReadStream& source) {
    static_cast<void>(source);
    return false;
  }

  virtual void commit() = 0;
};

// Creates the files that replace targets; an interface so that tests can make a step fail.
class AtomicFiles {
 public:
  virtual ~AtomicFiles() = default;

  virtual std::unique_ptr<AtomicFile> create(std::string_view targetPath) = 0;
};

// The files of a system whose one kind of atomic file is made from the target's path.
template <typename File>
class AtomicFilesOf final : public AtomicFiles {
 public:
  std::unique_ptr<AtomicFile> create(std::string_view targetPath) override {
    return std::make_unique<File>(targetPath);
  }
};

std::unique_ptr<AtomicFiles> makeAtomicFiles();

}  // namespace vorlent
