// SPDX-License-Identifier: GPL-3.0-or-later
// Listing and sorting a folder of 100,000 files, each beside its floor: the find command (readdir
// and one stat per name, printed to /dev/null) and std::sort over the same texts.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "browser/ListFolder.h"
#include "browser/ListSort.h"
#include "support/BigFolder.h"
#include "support/IdleServices.h"

extern char** environ;

namespace {

using vorlent::bench::kBigFolderFiles;
using vorlent::bench::makeBigFolder;

using vorlent::testing::NoBusy;

void BM_FindCommand(benchmark::State& run) {
  const std::string folder = makeBigFolder(kBigFolderFiles);
  std::string program = "find";
  std::string target = folder;
  std::string a = "-mindepth", b = "1", c = "-maxdepth", d = "1", e = "-printf", f = "%f %s %T@\n";
  char* argv[] = {program.data(), target.data(), a.data(), b.data(), c.data(),
                  d.data(),       e.data(),      f.data(), nullptr};
  for (auto _ : run) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (posix_spawnp(&child, "find", &actions, nullptr, argv, environ) != 0) {
      run.SkipWithError("find cannot be started");
      break;
    }
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(child, &status, 0);
  }
}
BENCHMARK(BM_FindCommand)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same work in this process: readdir, one stat per name, one formatted line per name.
void BM_ReaddirStatFloor(benchmark::State& run) {
  const std::string folder = makeBigFolder(kBigFolderFiles);
  FILE* sink = std::fopen("/dev/null", "w");
  for (auto _ : run) {
    DIR* dir = opendir(folder.c_str());
    const int fd = dirfd(dir);
    while (const dirent* entry = readdir(dir)) {
      struct stat info {};
      if (fstatat(fd, entry->d_name, &info, 0) == 0) {
        std::fprintf(sink, "%s %lld %lld\n", entry->d_name, static_cast<long long>(info.st_size),
                     static_cast<long long>(info.st_mtim.tv_sec));
      }
    }
    closedir(dir);
  }
  std::fclose(sink);
}
BENCHMARK(BM_ReaddirStatFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ListFolder(benchmark::State& run) {
  const std::string folder = makeBigFolder(kBigFolderFiles);
  auto enumerator = vorlent::makeFolderEnumerator();
  NoBusy busy;
  vorlent::FileList list;
  for (auto _ : run) {
    if (!vorlent::ListFolder(list, folder, *enumerator, busy)) {
      run.SkipWithError("the folder cannot be listed");
      break;
    }
  }
  run.counters["entries"] = static_cast<double>(list.count());
}
BENCHMARK(BM_ListFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

const vorlent::FileList& listedBigFolder() {
  static vorlent::FileList list;
  if (list.count() == 0) {
    auto enumerator = vorlent::makeFolderEnumerator();
    NoBusy busy;
    vorlent::ListFolder(list, makeBigFolder(kBigFolderFiles), *enumerator, busy);
  }
  return list;
}

std::vector<std::size_t> shuffled(std::size_t count, std::mt19937& random) {
  std::vector<std::size_t> order(count);
  for (std::size_t i = 0; i < count; ++i) {
    order[i] = i;
  }
  std::shuffle(order.begin(), order.end(), random);
  return order;
}

void BM_ColumnSort(benchmark::State& run) {
  const auto column = static_cast<vorlent::ListColumn>(run.range(0));
  vorlent::FileList list;
  list.assign(listedBigFolder().entries());
  std::mt19937 random(7);
  const auto systemText = vorlent::makeSystemTextCodec();
  for (auto _ : run) {
    run.PauseTiming();
    list.reorder(shuffled(list.count(), random));
    run.ResumeTiming();
    vorlent::sortByColumn(list, column, *systemText);
  }
}
BENCHMARK(BM_ColumnSort)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_StdSortOfTheSameTexts(benchmark::State& run) {
  const auto column = static_cast<vorlent::ListColumn>(run.range(0));
  std::vector<std::string> texts;
  for (const auto& entry : listedBigFolder().entries()) {
    texts.emplace_back(vorlent::columnText(entry, column));
  }
  std::mt19937 random(7);
  for (auto _ : run) {
    run.PauseTiming();
    std::shuffle(texts.begin(), texts.end(), random);
    run.ResumeTiming();
    std::sort(texts.begin(), texts.end());
  }
}
BENCHMARK(BM_StdSortOfTheSameTexts)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
