// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "platform/ControlCharacters.h"
#include "platform/Failure.h"
#include "platform/PathParts.h"
#include "platform/ShellFileOperation.h"
#include "platform/TrashQuestion.h"
#include "platform/posix/FileBeside.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/FittingNames.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/PosixTrash.h"
#include "platform/posix/RegularFileOpening.h"

namespace vorlent {

namespace {

constexpr std::size_t kCopyBufferSize = 1 << 20;

// A copy belongs to whoever makes it, so it keeps the permissions alone: the setuid, setgid and
// sticky bits would act on behalf of a new owner (a copy made by root of another user's setuid
// program would be a setuid-root program).
constexpr mode_t kCopiedModeBits = 0777;

// Pipes, sockets and devices have no bytes to copy: reading one waits for a writer or never
// ends.
constexpr std::string_view kNotAFileOrFolder = "ファイルでもフォルダでもありません";

bool isCopyable(const struct stat& item) {
  return S_ISREG(item.st_mode) || S_ISDIR(item.st_mode) || S_ISLNK(item.st_mode);
}

std::string nameOf(const std::string& path) { return fileNamePart(path, PathStyle::Posix); }

std::string inside(const std::string& folder, const std::string& name) {
  return joinPath(folder, name, PathStyle::Posix);
}

std::optional<struct stat> linkStatus(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
  return info;
}

bool sameItem(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::uint64_t bytesBelow(const std::string& path) {
  const auto info = linkStatus(path);
  if (!info) return 0;
  if (!S_ISDIR(info->st_mode)) {
    return S_ISREG(info->st_mode) ? static_cast<std::uint64_t>(info->st_size) : 0;
  }
  std::uint64_t total = 0;
  for (const std::string& name : namesIn(path)) total += bytesBelow(inside(path, name));
  return total;
}

// Whether the folder lies at or below the other one, by what they really are.
bool isAtOrBelow(const std::string& folder, const std::string& other) {
  const std::optional<std::string> inner = realPath(folder);
  const std::optional<std::string> outer = realPath(other);
  return inner && outer &&
         (*inner == *outer ||
          (inner->size() > outer->size() && inner->compare(0, outer->size(), *outer) == 0 &&
           (*outer == "/" || (*inner)[outer->size()] == '/')));
}

enum class Outcome { Done, Skipped, Failed, Cancelled };

class Operation {
 public:
  Operation(const ShellFileRequest& request, ShellFileProgress& progress)
      : request_(request), progress_(progress), buffer_(kCopyBufferSize) {}

  void run() {
    if (request_.kind == ShellOperationKind::Delete) {
      trashAll();
    } else {
      transferAll();
    }
    progress_.finished();
  }

 private:
  // The shell asks once for the whole request before anything moves.
  void trashAll() {
    if (request_.sources.empty() || !progress_.askToTrash(trashQuestion(request_.sources))) {
      return;
    }
    total_ = request_.sources.size();
    for (const std::string& source : request_.sources) {
      if (!report(source)) return;
      const std::string error = moveToTrash(source);
      if (!error.empty()) progress_.showError(error);
      ++done_;
    }
    report({});
  }

  void transferAll() {
    // A destination named through links is the folder they lead to; the items go below the
    // resolved path, so a link swapped meanwhile cannot lead them elsewhere.
    const std::string named = withoutTrailingSlashes(request_.destination);
    const std::optional<std::string> resolved = realPath(named);
    const auto folder = resolved ? linkStatus(*resolved) : std::nullopt;
    if (!folder || !S_ISDIR(folder->st_mode)) {
      progress_.showError(failureText(named, folder ? ENOTDIR : errno));
      return;
    }
    const std::string& destination = *resolved;
    for (const std::string& source : request_.sources) {
      total_ += bytesBelow(withoutTrailingSlashes(source));
    }
    for (const std::string& sourceText : request_.sources) {
      const std::string source = withoutTrailingSlashes(sourceText);
      const Outcome outcome = request_.kind == ShellOperationKind::Move
                                  ? moveItem(source, inside(destination, nameOf(source)))
                                  : copyItem(source, inside(destination, nameOf(source)));
      if (outcome == Outcome::Cancelled) return;
    }
    report({});
  }

  bool report(const std::string& path) {
    if (!progress_.progress(done_, total_, path)) cancelled_ = true;
    return !cancelled_;
  }

  static std::string failureText(const std::string& path, int code) {
    return withControlsMarked(path) + " : " + systemFailure(code).what();
  }

  Outcome fail(const std::string& path, int code) {
    progress_.showError(failureText(path, code));
    return Outcome::Failed;
  }

  Outcome refuseSpecial(const std::string& path) {
    progress_.showError(withControlsMarked(path) + " : " + std::string(kNotAFileOrFolder));
    return Outcome::Failed;
  }

  // What to do about an existing target; asks unless an earlier answer holds for all.
  ReplaceAnswer decideClash(const std::string& target, bool targetIsFolder) {
    if (answerForAll_) return *answerForAll_;
    const ReplaceChoice choice = progress_.askReplace(target, targetIsFolder);
    if (choice.applyToAll) answerForAll_ = choice.answer;
    if (choice.answer == ReplaceAnswer::Cancel) cancelled_ = true;
    return choice.answer;
  }

  // A name for a copy of an item into its own folder: "name (copy)", "name (copy 2)", ...
  static std::string freeCopyName(const std::string& target) {
    const std::string folder = parentFolderOf(target);
    const std::string name = nameOf(target);
    const auto dot = name.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot != 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : "";
    for (int number = 1;; ++number) {
      const std::string mark = number == 1 ? " (copy)" : " (copy " + std::to_string(number) + ")";
      const std::size_t room =
          kLongestName - std::min(kLongestName, mark.size() + extension.size());
      const std::string candidate = inside(folder, nameCutToFit(stem, room) + mark + extension);
      if (!linkStatus(candidate)) return candidate;
    }
  }

  // Asks what to do about an item already at the target; the outcome when the source stops
  // here, nothing when it replaces the item.
  std::optional<Outcome> settleClash(const std::string& source, const std::string& target,
                                     const struct stat& existing, bool isFolder) {
    const bool existingIsFolder = S_ISDIR(existing.st_mode);
    switch (decideClash(target, existingIsFolder)) {
      case ReplaceAnswer::Cancel:
        return Outcome::Cancelled;
      case ReplaceAnswer::Skip:
        done_ += bytesBelow(source);
        return Outcome::Skipped;
      case ReplaceAnswer::Replace:
        break;
    }
    // A folder and a file never replace each other: that would lose the one replaced.
    if (existingIsFolder != isFolder) return fail(target, existingIsFolder ? EISDIR : ENOTDIR);
    return std::nullopt;
  }

  Outcome copyItem(const std::string& source, std::string target) {
    if (cancelled_ || !report(source)) return Outcome::Cancelled;
    const auto item = linkStatus(source);
    if (!item) return fail(source, errno);
    if (!isCopyable(*item)) return refuseSpecial(source);
    const bool isFolder = S_ISDIR(item->st_mode);
    if (isFolder && isAtOrBelow(parentFolderOf(target), source)) return fail(source, EINVAL);
    auto existing = linkStatus(target);
    if (existing && sameItem(*existing, *item)) {
      target = freeCopyName(target);
      existing.reset();
    }
    if (existing) {
      if (const auto stop = settleClash(source, target, *existing, isFolder)) return *stop;
    }
    if (isFolder) return copyFolder(source, target, *item);
    if (S_ISLNK(item->st_mode)) return copyLink(source, target);
    return copyFile(source, target, *item);
  }

  // Makes the target folder (or takes the one there), then copies or moves each item of the
  // source folder into it. Stops at a cancel; otherwise the outcome is Done only when every
  // item was done.
  template <class Target>
  Outcome eachItemInto(const std::string& source, const std::string& target,
                       const struct stat& item,
                       Outcome (Operation::*each)(const std::string&, Target)) {
    if (::mkdir(target.c_str(), (item.st_mode & kCopiedModeBits) | S_IRWXU) != 0 &&
        errno != EEXIST) {
      return fail(target, errno);
    }
    Outcome outcome = Outcome::Done;
    for (const std::string& name : namesIn(source)) {
      const Outcome inner = (this->*each)(inside(source, name), inside(target, name));
      if (inner == Outcome::Cancelled) return inner;
      if (inner != Outcome::Done) outcome = inner;
    }
    return outcome;
  }

  Outcome copyFolder(const std::string& source, const std::string& target,
                     const struct stat& item) {
    return eachItemInto(source, target, item, &Operation::copyItem);
  }

  Outcome copyLink(const std::string& source, const std::string& target) {
    const std::optional<std::string> pointee = readLink(source);
    if (!pointee) return fail(source, errno);
    FileBeside part(target, FileBeside::Naming::HiddenPart);
    if (!part.createLink(*pointee)) return fail(target, errno);
    return part.placeAt(target) ? Outcome::Done : fail(target, errno);
  }

  // The bytes go to a part file beside the target, which takes the target's name only when
  // complete; a stop or failure on the way leaves the target as it was. The source is opened
  // without waiting, and what was opened is checked again, so that a name swapped for a pipe or
  // a device since it was looked at is refused and never read.
  Outcome copyFile(const std::string& source, const std::string& target,
                   const struct stat& looked) {
    if (!S_ISREG(looked.st_mode)) return refuseSpecial(source);
    const RegularFileOpening opening = openRegularFile(source, O_NOFOLLOW);
    if (opening.kind == OpenedKind::Failed) return fail(source, opening.error);
    if (opening.kind != OpenedKind::Regular) return refuseSpecial(source);
    const FileDescriptor& in = opening.file;
    const struct stat& item = opening.info;
    FileBeside part(target, FileBeside::Naming::HiddenPart);
    FileDescriptor out = part.createFile(0600);
    if (!out.isOpen()) return fail(target, errno);
    for (;;) {
      const ssize_t got = ::read(in.get(), buffer_.data(), buffer_.size());
      if (got < 0) {
        if (errno == EINTR) continue;
        return fail(source, errno);
      }
      if (got == 0) break;
      for (ssize_t written = 0; written < got;) {
        const ssize_t now =
            ::write(out.get(), buffer_.data() + written, static_cast<std::size_t>(got - written));
        if (now < 0) {
          if (errno == EINTR) continue;
          return fail(target, errno);
        }
        written += now;
      }
      done_ += static_cast<std::uint64_t>(got);
      if (!report(source)) return Outcome::Cancelled;
    }
    ::fchmod(out.get(), item.st_mode & kCopiedModeBits);
    const struct timespec times[2] = {item.st_atim, item.st_mtim};
    ::futimens(out.get(), times);
    if (out.close() != 0) return fail(target, errno);
    return part.placeAt(target) ? Outcome::Done : fail(target, errno);
  }

  Outcome moveItem(const std::string& source, const std::string& target) {
    if (cancelled_ || !report(source)) return Outcome::Cancelled;
    const auto item = linkStatus(source);
    if (!item) return fail(source, errno);
    const bool isFolder = S_ISDIR(item->st_mode);
    const auto existing = linkStatus(target);
    if (existing && sameItem(*existing, *item)) {
      return Outcome::Skipped;  // already where it should go
    }
    if (isFolder && isAtOrBelow(parentFolderOf(target), source)) return fail(source, EINVAL);
    if (existing) {
      if (const auto stop = settleClash(source, target, *existing, isFolder)) return *stop;
      if (isFolder) return moveFolderInto(source, target, *item);
    }
    if (::rename(source.c_str(), target.c_str()) == 0) {
      done_ += bytesBelow(target);
      return Outcome::Done;
    }
    if (errno != EXDEV) return fail(source, errno);
    if (!isCopyable(*item)) return refuseSpecial(source);
    if (isFolder) return moveFolderInto(source, target, *item);
    // Across file systems: the source goes only once its copy is complete.
    const Outcome copied =
        S_ISLNK(item->st_mode) ? copyLink(source, target) : copyFile(source, target, *item);
    if (copied != Outcome::Done) return copied;
    return ::unlink(source.c_str()) == 0 ? Outcome::Done : fail(source, errno);
  }

  // Moves a folder's content one by one into a folder of the same name; the emptied source
  // folder goes last. Items skipped or stopped keep the source folder.
  Outcome moveFolderInto(const std::string& source, const std::string& target,
                         const struct stat& item) {
    const Outcome outcome = eachItemInto(source, target, item, &Operation::moveItem);
    if (outcome == Outcome::Done && ::rmdir(source.c_str()) != 0) return fail(source, errno);
    return outcome;
  }

  const ShellFileRequest& request_;
  ShellFileProgress& progress_;
  std::vector<char> buffer_;
  std::uint64_t done_ = 0;
  std::uint64_t total_ = 0;
  bool cancelled_ = false;
  std::optional<ReplaceAnswer> answerForAll_;
};

class PosixShellFileOperation final : public ShellFileOperation {
 public:
  void run(const ShellFileRequest& request, ShellFileProgress& progress) override {
    Operation(request, progress).run();
  }
};

}  // namespace

std::unique_ptr<ShellFileOperation> makeShellFileOperation() {
  return std::make_unique<PosixShellFileOperation>();
}

}  // namespace vorlent
