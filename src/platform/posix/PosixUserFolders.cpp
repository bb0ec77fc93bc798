#include "platform/posix/PosixUserFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/DosStartPlan.h"
#include "platform/UserConfigFolder.h"
#include "platform/UserHome.h"

namespace vorlent {

namespace {

std::optional<std::string> absoluteVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') {
    return std::nullopt;
  }
  return std::string(value);
}

struct Candidate {
  std::string base;
  std::string tail;
};

// The first candidate that has no blank, is no longer than `longestPath` and is a folder no one
// else can change.
TrustedFolder firstUsable(const std::vector<Candidate>& candidates,
                          std::size_t longestPath = std::string::npos) {
  TrustedFolder last{{}, FolderDistrust::CannotMake, ENOENT};
  for (const Candidate& candidate : candidates) {
    if (holdsBlankOrControl(candidate.base + "/" + candidate.tail)) {
      continue;
    }
    last = trustedFolder(candidate.base, candidate.tail);
    if (last.trusted() && holdsBlankOrControl(last.path)) {
      // The base's links led to a path with a blank.
      last = TrustedFolder{last.path, FolderDistrust::CannotMake, EINVAL};
    }
    if (last.trusted() && last.path.size() > longestPath) {
      last = TrustedFolder{last.path, FolderDistrust::TooLong, ENAMETOOLONG};
    }
    if (last.trusted()) {
      return last;
    }
  }
  return last;
}

// Makes the folder and the folders on its way, for this user alone; whether it is a folder now.
bool madeFolder(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    ::mkdir(path.substr(0, slash).c_str(), 0700);
  }
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

bool holdsBlankOrControl(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte == 0x7F) {
      return true;
    }
  }
  return false;
}

TrustedFolder aliasFolder() {
  std::vector<Candidate> candidates;
  if (auto data = absoluteVariable("XDG_DATA_HOME")) {
    candidates.push_back({*data, "vorlent/short"});
  }
  if (auto home = userHomeFolder()) {
    candidates.push_back({*home, ".local/share/vorlent/short"});
  }
  candidates.push_back({"/var/tmp", "vorlent-" + std::to_string(::getuid()) + "/short"});
  return firstUsable(candidates);
}

TrustedFolder stagingRoot(std::size_t longestPath) {
  std::vector<Candidate> candidates;
  // DOSBox's shell reads the folder in its mount commands.
  if (auto runtime = absoluteVariable("XDG_RUNTIME_DIR");
      runtime && !dosShellReadsAnyOf(*runtime)) {
    candidates.push_back({*runtime, "vorlent-dosbox"});
  }
  candidates.push_back({"/tmp", "vorlent-dosbox-" + std::to_string(::getuid())});
  return firstUsable(candidates, longestPath);
}

std::optional<std::string> userConfigFolder() {
  std::string base;
  if (auto config = absoluteVariable("XDG_CONFIG_HOME")) {
    base = *config;
  } else if (auto home = absoluteVariable("HOME")) {
    base = *home + "/.config";
  } else {
    return std::nullopt;
  }
  const std::string folder = base + "/vorlent/";
  if (!madeFolder(folder)) {
    return std::nullopt;
  }
  return folder;
}

}  // namespace vorlent
