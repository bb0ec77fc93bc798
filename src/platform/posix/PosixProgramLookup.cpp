// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixProgramLookup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/PathParts.h"
#include "platform/posix/PosixFiles.h"

namespace vorlent {

namespace {

std::string inFolder(std::string_view folder, std::string_view name) {
  return joinPath(folder.empty() ? std::string_view(".") : folder, name, PathStyle::Posix);
}

// Searches PATH as execvp does: an empty entry is the current folder; a file found without
// execute permission gives EACCES when nothing better is found.
FoundProgram searchPath(std::string_view name) {
  const char* variable = std::getenv("PATH");
  const std::string path = variable != nullptr ? variable : "/usr/local/bin:/usr/bin:/bin";
  int errorCode = ENOENT;
  std::size_t start = 0;
  for (;;) {
    const auto colon = path.find(':', start);
    const std::string folder =
        path.substr(start, colon == std::string::npos ? colon : colon - start);
    const std::string candidate = inFolder(folder, name);
    if (isRegularFile(candidate)) {
      if (::access(candidate.c_str(), X_OK) == 0) {
        return {candidate, 0};
      }
      errorCode = EACCES;
    }
    if (colon == std::string::npos) {
      return {{}, errorCode};
    }
    start = colon + 1;
  }
}

}  // namespace

bool isRegularFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> matchFileIgnoringCase(std::string_view folder, std::string_view name) {
  if (name.empty()) {
    return std::nullopt;
  }
  const std::string exact = inFolder(folder, name);
  if (isRegularFile(exact)) {
    return exact;
  }
  const std::string folderText(folder.empty() ? "." : folder);
  Directory directory(folderText);
  if (!directory.isOpen()) {
    return std::nullopt;
  }
  const std::string wanted = asciiLower(name);
  std::optional<std::string> best;
  while (const dirent* entry = directory.next()) {
    const std::string_view stored = entry->d_name;
    if (asciiLower(stored) != wanted || (best && stored >= *best)) {
      continue;
    }
    if (isRegularFile(inFolder(folder, stored))) {
      best = std::string(stored);
    }
  }
  if (!best) {
    return std::nullopt;
  }
  return inFolder(folder, *best);
}

FoundProgram findCommandLineProgram(std::string_view word) {
  if (word.empty()) {
    return {{}, ENOENT};
  }
  if (word.find('/') != std::string_view::npos) {
    std::string path(word);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
      return {{}, errno};
    }
    return {path, 0};
  }
  if (auto inCurrentFolder = matchFileIgnoringCase("", word)) {
    return {*inCurrentFolder, 0};
  }
  return searchPath(word);
}

std::optional<std::string> findOnSearchPath(std::string_view name) {
  FoundProgram found = searchPath(name);
  if (found.errorCode != 0) {
    return std::nullopt;
  }
  return found.path;
}

}  // namespace vorlent
