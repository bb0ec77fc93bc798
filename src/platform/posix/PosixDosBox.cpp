// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixDosBox.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/DosMountPlan.h"
#include "platform/DosStartPlan.h"
#include "platform/PathParts.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixDetachedSpawn.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixProgramLookup.h"
#include "platform/posix/PosixUserFolders.h"

namespace vorlent {

namespace {

constexpr std::string_view kStagingPrefix = "run-";
constexpr const char* kLockName = "lock";

// DOSBox 0.74 copies a mounted folder, a separator and then the DOS path of a file below it (at
// most 80 bytes) into a buffer of 512 bytes, unchecked; the staging root leaves room for the
// staging folder's own part of the mounted folder.
constexpr std::size_t kLongestStagingRoot =
    512 - 1 - 80 - 1 - (kStagingPrefix.size() + std::string_view("/XXXXXX/C/").size());

TrustedFolder dosBoxStagingRoot() { return stagingRoot(kLongestStagingRoot); }

const std::vector<std::string>& dosBoxNames() {
  static const std::vector<std::string> names = {"dosbox", "dosbox-x", "dosbox-staging"};
  return names;
}

std::optional<std::string> findDosBox() {
  for (const std::string& name : dosBoxNames()) {
    if (auto found = findOnSearchPath(name)) {
      return found;
    }
  }
  return std::nullopt;
}

std::optional<std::string> hostFileOf(std::string_view argument) {
  if (argument.find('/') == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string path(argument);
  if (!isRegularFile(path)) {
    return std::nullopt;
  }
  return realPath(path);
}

// The program folder's dosbox.conf in any case, the one of that exact name first; nothing when
// there is none.
std::optional<std::string> configurationIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& name : namesIn(folder)) {
    if (isDosBoxConfigurationName(name)) {
      names.push_back(name);
    }
  }
  if (names.empty()) {
    return std::nullopt;
  }
  std::sort(names.begin(), names.end());
  const auto exact = std::find(names.begin(), names.end(), kDosBoxConfigurationName);
  return folder + "/" + (exact != names.end() ? *exact : names.front());
}

void removeFolder(const std::string& folder) {
  std::error_code ignored;
  // Removes the links, never what they point to.
  std::filesystem::remove_all(folder, ignored);
}

// A staging folder for one start: its links, and a lock that the DOSBox started with it holds.
class Staging {
 public:
  explicit Staging(const std::string& root) {
    std::string pattern = root + "/" + std::string(kStagingPrefix) + "XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
      errorCode_ = errno;
      return;
    }
    folder_ = pattern;
    lock_ = FileDescriptor(
        ::open((folder_ + "/" + kLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lock_.isOpen() || ::flock(lock_.get(), LOCK_EX) != 0) {
      errorCode_ = errno;
    }
  }
  ~Staging() {
    lock_ = FileDescriptor();
    if (!kept_ && !folder_.empty()) {
      removeFolder(folder_);
    }
  }
  Staging(const Staging&) = delete;
  Staging& operator=(const Staging&) = delete;

  int errorCode() const { return errorCode_; }
  const std::string& folder() const { return folder_; }
  int lock() const { return lock_.get(); }

  // Links `name` inside the staging folder to the target; false with the errno kept.
  bool link(const std::string& name, const std::string& target) {
    const std::string path = folder_ + "/" + name;
    const auto slash = name.find('/');
    if (slash != std::string::npos) {
      ::mkdir((folder_ + "/" + name.substr(0, slash)).c_str(), 0700);
    }
    if (::symlink(target.c_str(), path.c_str()) != 0) {
      errorCode_ = errno;
      return false;
    }
    return true;
  }

  // The started DOSBox holds the lock now; the folder goes when it has ended.
  void keep() { kept_ = true; }

 private:
  std::string folder_;
  FileDescriptor lock_;
  int errorCode_ = 0;
  bool kept_ = false;
};

std::vector<std::string> dosBoxCommand(const std::string& dosBox, const std::string& staging,
                                       const DosStartPlan& plan,
                                       const std::optional<std::string>& configuration) {
  std::vector<DosMount> mounts = {{'C', staging + "/C"}};
  if (!plan.stagedFiles.empty()) {
    mounts.push_back({kStagingDrive, staging + "/D"});
  }
  std::vector<std::string> command = {dosBox};
  const std::vector<std::string> arguments =
      dosBoxArguments(dosBox, mounts, plan.shellLine(), configuration);
  command.insert(command.end(), arguments.begin(), arguments.end());
  return command;
}

}  // namespace

DosBox::~DosBox() {
  if (started_) {
    removeEndedStagings();
  }
}

void DosBox::removeEndedStagings() {
  const TrustedFolder root = dosBoxStagingRoot();
  if (!root.trusted()) {
    return;
  }
  Directory directory(root.path);
  if (!directory.isOpen()) {
    return;
  }
  std::vector<std::string> ended;
  while (const dirent* entry = directory.next()) {
    const std::string_view name = entry->d_name;
    if (name.substr(0, kStagingPrefix.size()) != kStagingPrefix) {
      continue;
    }
    const std::string folder = root.path + "/" + std::string(name);
    const FileDescriptor lock(::open((folder + "/" + kLockName).c_str(), O_RDONLY | O_CLOEXEC));
    if (lock.get() >= 0 && ::flock(lock.get(), LOCK_EX | LOCK_NB) == 0) {
      ended.push_back(folder);
    }
  }
  for (const std::string& folder : ended) {
    removeFolder(folder);
  }
}

StartResult DosBox::start(const std::string& programPath,
                          const std::vector<std::string>& arguments) {
  const std::optional<std::string> program = realPath(programPath);
  if (!program) {
    return StartResult::failure(errno);
  }
  const DosStartPlan plan = planDosStart(*program, arguments, hostFileOf);
  if (plan.refusedWord) {
    return StartResult::refusedDosWord(EINVAL, *plan.refusedWord);
  }
  const std::string programFolder = folderPart(*program, PathStyle::Posix);
  const std::optional<std::string> configuration = configurationIn(programFolder);
  if (configuration && !isRegularFile(*configuration)) {
    return StartResult::refusedDosWord(EINVAL, *configuration);
  }
  if (plan.commandTail().size() > kDosCommandTailLimit) {
    std::fprintf(stderr,
                 "vorlent: the command line for %s would be %zu characters in MS-DOS, more than "
                 "the %zu it hands a program\n",
                 program->c_str(), plan.commandTail().size(), kDosCommandTailLimit);
    return StartResult::commandTailTooLong(E2BIG, plan.commandTail().size());
  }
  const std::optional<std::string> dosBox = findDosBox();
  if (!dosBox) {
    std::fprintf(stderr,
                 "vorlent: %s is an MS-DOS program; starting it needs DOSBox, but none of "
                 "dosbox, dosbox-x or dosbox-staging is on PATH\n",
                 program->c_str());
    return StartResult::noDosBox(ENOENT, dosBoxNames());
  }
  const TrustedFolder root = dosBoxStagingRoot();
  if (!root.trusted()) {
    return StartResult::untrustedFolder(root.errorCode != 0 ? root.errorCode : EACCES, root.path,
                                        root.distrust);
  }
  removeEndedStagings();
  Staging staging(root.path);
  if (staging.errorCode() != 0) {
    return StartResult::failure(staging.errorCode());
  }
  if (!staging.link("C", programFolder)) {
    return StartResult::failure(staging.errorCode());
  }
  std::optional<std::string> stagedConfiguration;
  if (configuration) {
    const std::optional<std::string> target = realPath(*configuration);
    if (!target || !staging.link(std::string(kDosBoxConfigurationName), *target)) {
      return StartResult::failure(target ? staging.errorCode() : errno);
    }
    stagedConfiguration = staging.folder() + "/" + std::string(kDosBoxConfigurationName);
  }
  for (const StagedFile& file : plan.stagedFiles) {
    if (!staging.link("D/" + file.dosName, file.hostPath)) {
      return StartResult::failure(staging.errorCode());
    }
  }
  DetachedStart how;
  how.inherited = staging.lock();
  const int errorCode = spawnDetached(
      *dosBox, dosBoxCommand(*dosBox, staging.folder(), plan, stagedConfiguration), how);
  if (errorCode != 0) {
    return StartResult::failure(errorCode);
  }
  staging.keep();
  started_ = true;
  return StartResult::success();
}

}  // namespace vorlent
