// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixUserFolders.h"

#include <pwd.h>
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

std::optional<std::string> passwordDatabaseHome() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return std::string(found->pw_dir);
  }
  return std::nullopt;
}

// The variable when it names an absolute path, else the default below the home.
std::optional<std::string> baseFolder(const char* variable, const std::optional<std::string>& home,
                                      std::string_view belowHome) {
  if (auto value = absoluteVariable(variable)) {
    return value;
  }
  if (!home) {
    return std::nullopt;
  }
  return *home + "/" + std::string(belowHome);
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

UserFolders userFolders() {
  UserFolders folders;
  folders.home = absoluteVariable("HOME");
  if (!folders.home) {
    folders.home = passwordDatabaseHome();
  }
  folders.config = baseFolder("XDG_CONFIG_HOME", folders.home, ".config");
  folders.data = baseFolder("XDG_DATA_HOME", folders.home, ".local/share");
  folders.runtime = absoluteVariable("XDG_RUNTIME_DIR");
  return folders;
}

std::optional<std::string> userHomeFolder() { return userFolders().home; }

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
  if (auto data = userFolders().data) {
    candidates.push_back({*data, "vorlent/short"});
  }
  candidates.push_back({"/var/tmp", "vorlent-" + std::to_string(::getuid()) + "/short"});
  return firstUsable(candidates);
}

TrustedFolder stagingRoot(std::size_t longestPath) {
  std::vector<Candidate> candidates;
  // DOSBox's shell reads the folder in its mount commands.
  if (auto runtime = userFolders().runtime; runtime && !dosShellReadsAnyOf(*runtime)) {
    candidates.push_back({*runtime, "vorlent-dosbox"});
  }
  candidates.push_back({"/tmp", "vorlent-dosbox-" + std::to_string(::getuid())});
  return firstUsable(candidates, longestPath);
}

std::optional<std::string> userConfigFolder() {
  const std::optional<std::string> base = userFolders().config;
  if (!base) {
    return std::nullopt;
  }
  const std::string folder = *base + "/vorlent/";
  if (!madeFolder(folder)) {
    return std::nullopt;
  }
  return folder;
}

}  // namespace vorlent
