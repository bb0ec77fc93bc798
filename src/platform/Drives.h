// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// Numbered as the platform's drive types are numbered on Windows.
enum class DriveType {
  Unknown = 0,
  NoRootFolder = 1,
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CdRom = 5,
  RamDisk = 6,
};

// A drive a user browses, with the letter its button carries ('a' to 'z').
struct Drive {
  char letter = 'a';
  DriveType type = DriveType::Unknown;
  std::string root;  // the folder the drive's button lists

  bool operator==(const Drive&) const = default;
};

// Byte counts of a drive; -1 for a count that cannot be read.
struct DriveSpace {
  std::int64_t totalBytes = -1;
  std::int64_t freeBytes = -1;
};

class Drives {
 public:
  virtual ~Drives() = default;

  // At most 26 drives in letter order, letters given from 'a' on without gaps.
  virtual std::vector<Drive> list() = 0;

  // The size of the file system that holds the folder.
  virtual DriveSpace space(std::string_view folder) = 0;
};

std::unique_ptr<Drives> makeDrives();

}  // namespace vorlent
