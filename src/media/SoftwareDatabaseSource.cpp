// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/SoftwareDatabaseSource.h"

#include <new>

#include "platform/Failure.h"
#include "platform/PathParts.h"

namespace vorlent {

namespace {

constexpr std::string_view kDatabaseName = "softwaredb.xml";

}  // namespace

std::vector<std::string> softwareDatabaseCandidates(std::string_view programFolder,
                                                    const std::optional<std::string>& homeFolder,
                                                    PathStyle style) {
  std::vector<std::string> candidates;
  candidates.push_back(std::string(programFolder) + std::string(kDatabaseName));
  // openMSX keeps its user folder in the Documents folder on Windows, hidden in the home
  // folder elsewhere; its system data on Windows lies beside its own program, which is not
  // known here.
  const std::string userShare =
      style == PathStyle::Windows ? "Documents\\openMSX\\share" : ".openMSX/share";
  if (homeFolder && !homeFolder->empty()) {
    candidates.push_back(joinPath(joinPath(*homeFolder, userShare, style), kDatabaseName, style));
  }
  if (style == PathStyle::Posix) {
    candidates.push_back("/usr/share/openmsx/" + std::string(kDatabaseName));
  }
  return candidates;
}

SoftwareDatabaseSource::SoftwareDatabaseSource(std::vector<std::string> candidates,
                                               const FileSystem& files, const XmlReader& xml,
                                               const Sha1Digester& sha1)
    : candidates_(std::move(candidates)), files_(files), xml_(xml), sha1_(sha1) {}

std::optional<std::string> SoftwareDatabaseSource::existingCandidate() const {
  // Whatever stands under the name is the database the user put there: a folder or a device is
  // no reason to pass it over, nor is a link that leads nowhere; reading it says what it is.
  for (const std::string& candidate : candidates_) {
    if (files_.entryKindOf(candidate) != FileKind::Missing) {
      return candidate;
    }
  }
  return std::nullopt;
}

bool SoftwareDatabaseSource::available() const {
  if (tried_) {
    return database_.has_value();
  }
  return existingCandidate().has_value();
}

const SoftwareDatabase* SoftwareDatabaseSource::database() {
  if (!tried_) {
    tried_ = true;
    if (std::optional<std::string> found = existingCandidate()) {
      path_ = std::move(*found);
      try {
        // Reading would refuse it too, but a socket cannot even be opened to be judged.
        const FileKind kind = files_.kindOf(path_);
        if (kind == FileKind::Folder || kind == FileKind::Other) {
          throw Failure(notARegularFileText(path_));
        }
        auto parsed = SoftwareDatabase::parse(
            files_.readRegularFile(path_, kSoftwareDatabaseSizeLimit), xml_);
        if (auto* database = std::get_if<SoftwareDatabase>(&parsed)) {
          database_.emplace(std::move(*database));
        } else {
          problem_ = std::get<std::string>(parsed);
        }
      } catch (const Failure& failure) {
        problem_ = failure.what();
      } catch (const std::bad_alloc&) {
        database_.reset();
        problem_ = "not enough memory to read it";
      }
    } else {
      problem_ = "no database file was found";
    }
  }
  return database_ ? &*database_ : nullptr;
}

}  // namespace vorlent
