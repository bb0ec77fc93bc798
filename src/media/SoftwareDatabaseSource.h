// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "media/RomIdentity.h"
#include "media/SoftwareDatabase.h"
#include "platform/FileSystem.h"
#include "platform/PathStyle.h"
#include "platform/Sha1Digester.h"
#include "platform/XmlReader.h"

namespace vorlent {

// Where the database is looked for, in order: beside the program (a portable setup, and the
// Windows one), the user's openMSX share folder (~/.openMSX/share, on Windows
// %USERPROFILE%\Documents\openMSX\share), then, on POSIX systems, the system's openMSX data.
std::vector<std::string> softwareDatabaseCandidates(std::string_view programFolder,
                                                    const std::optional<std::string>& homeFolder,
                                                    PathStyle style);

// The software database of this run: the first candidate under whose name anything stands
// (anything but a regular file is then refused as no regular file), read once,
// when first needed. A file that cannot be read or is no database turns the feature off for
// the rest of the run, with the reason kept for the user; so does a load that runs out of
// memory.
class SoftwareDatabaseSource {
 public:
  // The database and the images it identifies are read from files; the database is parsed by
  // xml, the images digested by sha1.
  SoftwareDatabaseSource(std::vector<std::string> candidates, const FileSystem& files,
                         const XmlReader& xml, const Sha1Digester& sha1);

  // Whether the feature may be offered: a candidate exists and no load has failed. Reads
  // nothing but the candidates' existence until the database is first needed.
  bool available() const;

  // The database, loaded at the first call; nothing when none was found or it failed to load.
  const SoftwareDatabase* database();

  // Why database() gave nothing: no file found, or the failure of the load. Empty before.
  const std::string& problem() const { return problem_; }
  // The file that was read, or the one that failed; empty when none was found.
  const std::string& path() const { return path_; }

  // identifyRom of the image in the database that database() gave.
  RomIdentity identify(std::string_view imagePath, const SoftwareDatabase& database) const {
    return identifyRom(imagePath, database, files_, sha1_);
  }

 private:
  std::optional<std::string> existingCandidate() const;

  std::vector<std::string> candidates_;
  const FileSystem& files_;
  const XmlReader& xml_;
  const Sha1Digester& sha1_;
  bool tried_ = false;
  std::optional<SoftwareDatabase> database_;
  std::string path_;
  std::string problem_;
};

// The largest database file that is read; the real one is about 1.2 MB.
inline constexpr std::size_t kSoftwareDatabaseSizeLimit = 64u << 20;

}  // namespace vorlent
