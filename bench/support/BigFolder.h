// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A folder of many files for the listing benchmarks: random names of mixed case and extension,
// sparse files of random sizes, random modification times. Made once per process under /tmp and
// removed at exit.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace vorlent::bench {

inline std::string makeBigFolder(int fileCount) {
  static std::string path;
  if (!path.empty()) {
    return path;
  }
  char pattern[] = "/tmp/vorlent-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    std::abort();
  }
  path = pattern;
  std::atexit([] { std::filesystem::remove_all(path); });

  std::mt19937 random(20240601);
  const char* extensions[] = {".rom", ".ROM", ".dsk", ".DSK", ".cas", ".txt", ".zip", "", ".wav"};
  std::uniform_int_distribution<int> letter(0, 51);
  std::uniform_int_distribution<int> length(4, 20);
  std::uniform_int_distribution<std::uint64_t> size(0, 3'000'000);
  std::uniform_int_distribution<long> seconds(900'000'000, 1'700'000'000);
  for (int i = 0; i < fileCount; ++i) {
    std::string name;
    for (int n = length(random); n > 0; --n) {
      const int c = letter(random);
      name += static_cast<char>(c < 26 ? 'a' + c : 'A' + c - 26);
    }
    name += "_" + std::to_string(i) + extensions[i % std::size(extensions)];
    const std::string file = path + "/" + name;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(size(random))) != 0) {
      std::abort();
    }
    const struct timespec times[2] = {{seconds(random), 0}, {seconds(random), 0}};
    ::futimens(fd, times);
    ::close(fd);
    if (i % 1000 == 0) {
      std::filesystem::create_directory(path + "/folder_" + std::to_string(i));
    }
  }
  return path;
}

inline constexpr int kBigFolderFiles = 100'000;

}  // namespace vorlent::bench
