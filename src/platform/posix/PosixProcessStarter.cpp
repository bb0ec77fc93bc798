// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/CommandLineWords.h"
#include "platform/PathParts.h"
#include "platform/ProcessStarter.h"
#include "platform/ProgramKind.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/PosixDetachedSpawn.h"
#include "platform/posix/PosixDosBox.h"
#include "platform/posix/PosixProgramLookup.h"
#include "platform/posix/PosixShortPaths.h"
#include "platform/posix/RegularFileOpening.h"

namespace vorlent {

namespace {

// Bytes of a regular file; nothing of anything else, which is opened without waiting for a
// writer or a device and left at once.
std::string readBytes(const std::string& path, std::size_t offset, std::size_t length) {
  const RegularFileOpening opening = openRegularFile(path, O_NOCTTY);
  if (opening.kind != OpenedKind::Regular) {
    return {};
  }
  const FileDescriptor& file = opening.file;
  std::string bytes(length, '\0');
  const ssize_t got = ::pread(file.get(), bytes.data(), length, static_cast<off_t>(offset));
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

StartResult resultOf(int errorCode) {
  return errorCode == 0 ? StartResult::success() : StartResult::failure(errorCode);
}

// Never through a shell: native programs are executed directly, MS-DOS programs in DOSBox.
class PosixProcessStarter final : public ProcessStarter {
 public:
  StartResult startCommandLine(std::string_view commandLine) override {
    const std::vector<std::string> words = splitAtBlanks(commandLine);
    if (words.empty()) {
      return StartResult::failure(ENOENT);
    }
    const FoundProgram program = findCommandLineProgram(words.front());
    if (program.errorCode != 0) {
      return StartResult::failure(program.errorCode);
    }
    return start(program.path, words);
  }

  StartResult startProgram(std::string_view programPath) override {
    std::string path(programPath);
    if (path.empty()) {
      return StartResult::failure(ENOENT);
    }
    if (path.find('/') == std::string::npos) {
      path = "./" + path;
    }
    if (::access(path.c_str(), F_OK) != 0) {
      return StartResult::failure(errno);
    }
    return start(path, {std::string(programPath)});
  }

 private:
  // `words` is the program's name as given, then its arguments. A saved alias is followed only
  // while its folders are still the user's alone, by the program and by DOSBox alike.
  StartResult start(const std::string& path, const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
      const std::string& followed = i == 0 ? path : words[i];
      if (const auto distrusted = distrustedAliasFolder(followed)) {
        return StartResult::untrustedAlias(EACCES, followed, distrusted->path,
                                           distrusted->distrust);
      }
    }
    const ProgramKind kind = programKindOf(
        fileNamePart(path, PathStyle::Posix),
        [&](std::size_t offset, std::size_t length) { return readBytes(path, offset, length); });
    if (kind == ProgramKind::MsDos) {
      return dosBox_.start(path, std::vector<std::string>(words.begin() + 1, words.end()));
    }
    return resultOf(spawnDetached(path, words));
  }

  DosBox dosBox_;
};

}  // namespace

std::unique_ptr<ProcessStarter> makeProcessStarter() {
  return std::make_unique<PosixProcessStarter>();
}

}  // namespace vorlent
