// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's model over 100,000 entries: one reset and the first paint of a view, beside
// the listing of the same folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <QTreeView>

#include "browser/ListFolder.h"
#include "support/BigFolder.h"
#include "support/IdleServices.h"
#include "ui/filelist/FileListIcons.h"
#include "ui/filelist/FileListModel.h"
#include "ui/filelist/FileListViews.h"

namespace {

using namespace vorlent;

using testing::NoBusy;

std::vector<FileListEntry> bigListing() {
  FileList list;
  NoBusy busy;
  ListFolder(list, bench::makeBigFolder(bench::kBigFolderFiles), *makeFolderEnumerator(), busy);
  return list.entries();
}

void BM_ListFolderAlone(benchmark::State& run) {
  const std::string folder = bench::makeBigFolder(bench::kBigFolderFiles);
  auto enumerator = makeFolderEnumerator();
  NoBusy busy;
  FileList list;
  for (auto _ : run) {
    ListFolder(list, folder, *enumerator, busy);
  }
}
BENCHMARK(BM_ListFolderAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ResetAndFirstPaint(benchmark::State& run) {
  const auto style = static_cast<ViewStyle>(run.range(0));
  const std::vector<FileListEntry> entries = bigListing();
  FileList list;
  FileListIcons icons;
  const auto systemText = makeSystemTextCodec();
  FileListModel model(list, icons, *systemText);
  FileListViews views(model);
  views.setViewStyle(style);
  views.resize(725, 300);
  views.show();
  for (auto _ : run) {
    run.PauseTiming();
    std::vector<FileListEntry> copy = entries;
    list.assign({});
    QApplication::processEvents();
    run.ResumeTiming();
    list.assign(std::move(copy));
    benchmark::DoNotOptimize(views.grab());
  }
  run.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_ResetAndFirstPaint)
    ->Arg(static_cast<int>(ViewStyle::Details))
    ->Arg(static_cast<int>(ViewStyle::LargeIcons))
    ->Arg(static_cast<int>(ViewStyle::List))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
