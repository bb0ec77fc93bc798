// SPDX-License-Identifier: GPL-3.0-or-later
#include "HostileFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

namespace vorlent::testing {
namespace {

constexpr std::size_t kNameMax = 255;

std::string repeated(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// FNV-1a: enough to tell changed content in a test tree.
std::uint64_t digestOf(int fd) {
  std::uint64_t hash = 1469598103934665603ULL;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got <= 0) break;
    for (ssize_t i = 0; i < got; ++i) {
      hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ULL;
    }
  }
  return hash;
}

// The names in an open folder; the folder's descriptor stays open and usable.
std::vector<std::string> namesIn(int folder) {
  std::vector<std::string> names;
  const int listing = ::dup(folder);
  DIR* dir = ::fdopendir(listing);
  if (dir == nullptr) {
    ::close(listing);
    return names;
  }
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

void snapshotFolder(int folder, const std::string& prefix, TreeSnapshot& snapshot) {
  for (const std::string& name : namesIn(folder)) {
    const std::string path = prefix + name;
    struct stat status {};
    if (::fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
      snapshot[path] = "vanished";
      continue;
    }
    const std::string mode = " mode " + std::to_string(status.st_mode & 07777);
    if (S_ISDIR(status.st_mode)) {
      snapshot[path] = "folder" + mode;
      const int child = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
      if (child >= 0) {
        snapshotFolder(child, path + "/", snapshot);
        ::close(child);
      }
    } else if (S_ISLNK(status.st_mode)) {
      char target[4096];
      const ssize_t length = ::readlinkat(folder, name.c_str(), target, sizeof target);
      snapshot[path] = "link " + std::string(target, length > 0 ? std::size_t(length) : 0);
    } else if (S_ISREG(status.st_mode)) {
      const int file = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
      const std::uint64_t digest = file >= 0 ? digestOf(file) : 0;
      if (file >= 0) ::close(file);
      snapshot[path] =
          "file " + std::to_string(status.st_size) + " " + std::to_string(digest) + mode;
    } else {
      snapshot[path] = "special " + std::to_string(status.st_mode & S_IFMT);
    }
  }
}

void removeChildren(int folder) {
  for (const std::string& name : namesIn(folder)) {
    if (::unlinkat(folder, name.c_str(), 0) == 0) continue;
    ::fchmodat(folder, name.c_str(), 0700, 0);
    const int child = ::openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (child < 0) continue;
    removeChildren(child);
    ::close(child);
    ::unlinkat(folder, name.c_str(), AT_REMOVEDIR);
  }
}

}  // namespace

std::vector<HostileName> hostileNames() {
  std::vector<HostileName> names;
  std::string bytes;
  for (int byte = 0x01; byte <= 0xFF; ++byte) {
    if (byte != '/') bytes += static_cast<char>(byte);
  }
  // Thirty-two bytes a name keeps each name short of any limit.
  for (std::size_t start = 0; start < bytes.size(); start += 32) {
    const std::string piece = bytes.substr(start, 32);
    char label[32];
    std::snprintf(label, sizeof label, "bytes %02x-%02x", static_cast<unsigned char>(piece.front()),
                  static_cast<unsigned char>(piece.back()));
    names.push_back({label, "b" + piece});
  }
  const std::string japanese = "ゲ";  // three bytes in UTF-8
  names.insert(names.end(), {
                                {"invalid UTF-8", "\xff\xfe"},
                                {"truncated UTF-8", "ab\xc3"},
                                {"overlong slash",
                                 "a\xc0\xaf"
                                 "b"},
                                {"surrogate", "\xed\xa0\x80x"},
                                {"255 bytes ASCII", repeated("a", kNameMax)},
                                {"255 bytes Japanese", repeated(japanese, kNameMax / 3)},
                                {"leading dash", "-res"},
                                {"leading double dash", "--help"},
                                {"redirect into the emulator", "x>BRMSX.EXE"},
                                {"redirect into a new file", "g>PWNED.TXT"},
                                {"read redirect", "x<CON"},
                                {"pipe", "a|TYPE"},
                                {"shell characters", "<>|&;$()%\"'`"},
                                {"variable", "%PATH%$HOME"},
                                {"command substitution", "$(touch TRAPPED)`touch TRAPPED`"},
                                {"blanks", " a  b "},
                                {"CR", "a\rb"},
                                {"LF", "a\nb"},
                                {"TAB", "a\tb"},
                            });
  return names;
}

std::string hostileFileName(const HostileName& name, std::string_view extension) {
  std::string stem = name.stem;
  if (stem.size() + extension.size() > kNameMax) stem.resize(kNameMax - extension.size());
  return stem + std::string(extension);
}

std::vector<SpecialFile> specialFiles() {
  return {SpecialFile::Fifo,       SpecialFile::Socket,       SpecialFile::LinkToNull,
          SpecialFile::LinkToZero, SpecialFile::DanglingLink, SpecialFile::LoopingLink,
          SpecialFile::Missing};
}

std::string specialFileLabel(SpecialFile kind) {
  switch (kind) {
    case SpecialFile::Fifo:
      return "FIFO";
    case SpecialFile::Socket:
      return "socket";
    case SpecialFile::LinkToNull:
      return "link to /dev/null";
    case SpecialFile::LinkToZero:
      return "link to /dev/zero";
    case SpecialFile::DanglingLink:
      return "dangling link";
    case SpecialFile::LoopingLink:
      return "looping link";
    case SpecialFile::Missing:
      return "missing";
  }
  return "?";
}

void makeSpecialFile(SpecialFile kind, const std::string& path) {
  int result = 0;
  switch (kind) {
    case SpecialFile::Fifo:
      result = ::mkfifo(path.c_str(), 0600);
      break;
    case SpecialFile::Socket: {
      const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
      sockaddr_un address{};
      address.sun_family = AF_UNIX;
      if (path.size() >= sizeof address.sun_path) {
        ::close(sock);
        throw std::runtime_error("socket path too long: " + path);
      }
      std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
      result = ::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address);
      ::close(sock);
      break;
    }
    case SpecialFile::LinkToNull:
      result = ::symlink("/dev/null", path.c_str());
      break;
    case SpecialFile::LinkToZero:
      result = ::symlink("/dev/zero", path.c_str());
      break;
    case SpecialFile::DanglingLink:
      result = ::symlink("nowhere/at/all", path.c_str());
      break;
    case SpecialFile::LoopingLink: {
      const std::string name = path.substr(path.rfind('/') + 1);
      result = ::symlink(name.c_str(), path.c_str());
      break;
    }
    case SpecialFile::Missing:
      break;
  }
  if (result != 0) throw std::runtime_error("cannot make " + specialFileLabel(kind) + " " + path);
}

TreeSnapshot snapshotTree(const std::string& root) {
  TreeSnapshot snapshot;
  const int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) return snapshot;
  snapshotFolder(folder, "", snapshot);
  ::close(folder);
  return snapshot;
}

std::vector<std::string> changedPaths(const TreeSnapshot& before, const TreeSnapshot& after) {
  std::vector<std::string> changed;
  for (const auto& [path, state] : before) {
    const auto now = after.find(path);
    if (now == after.end() || now->second != state) changed.push_back(path);
  }
  for (const auto& [path, state] : after) {
    if (!before.contains(path)) changed.push_back(path);
  }
  return changed;
}

std::string makeDeepFolder(const std::string& base, std::size_t minimumLength) {
  int folder = ::open(base.c_str(), O_RDONLY | O_DIRECTORY);
  if (folder < 0) throw std::runtime_error("cannot open " + base);
  std::string path = base;
  const std::string level = repeated("d", 200);
  while (path.size() <= minimumLength) {
    if (::mkdirat(folder, level.c_str(), 0700) != 0 && errno != EEXIST) {
      ::close(folder);
      throw std::runtime_error("cannot make a deep folder");
    }
    const int child = ::openat(folder, level.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(folder);
    folder = child;
    path += "/" + level;
  }
  ::close(folder);
  return path;
}

void removeTree(const std::string& path) {
  const int folder = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
  if (folder >= 0) {
    removeChildren(folder);
    ::close(folder);
  }
  ::rmdir(path.c_str());
}

WatchedRun runWatched(const std::function<std::string()>& action, int seconds) {
  int channel[2];
  if (::pipe2(channel, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("fork");
  if (child == 0) {
    ::close(channel[0]);
    ::setpgid(0, 0);
    std::string report;
    try {
      report = action();
    } catch (const std::exception& error) {
      report = std::string("escaped exception: ") + error.what();
    } catch (...) {
      report = "escaped exception";
    }
    std::size_t written = 0;
    while (written < report.size()) {
      const ssize_t done = ::write(channel[1], report.data() + written, report.size() - written);
      if (done <= 0) break;
      written += std::size_t(done);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  WatchedRun run;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  bool open = true;
  while (open) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    pollfd wait{channel[0], POLLIN, 0};
    if (::poll(&wait, 1, int(left.count())) <= 0) continue;
    char buffer[4096];
    const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
    if (got <= 0) {
      open = false;
    } else {
      run.report.append(buffer, std::size_t(got));
    }
  }
  ::close(channel[0]);
  if (open) {
    ::kill(-child, SIGKILL);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    run.problem = "hang";
    return run;
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFSIGNALED(status)) {
    run.problem = "signal " + std::to_string(WTERMSIG(status));
  } else if (WEXITSTATUS(status) != 0) {
    run.problem = "exit " + std::to_string(WEXITSTATUS(status));
  } else {
    run.finished = true;
  }
  return run;
}

}  // namespace vorlent::testing
