// SPDX-License-Identifier: GPL-3.0-or-later
// Identifying one 512 KB ROM image, the software database's load included, as the first
// "データベースで判別" of a run does it; and the two halves on their own. The installed
// database is used when openmsx-data is there, otherwise a made-up one of the same size.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include "media/RomIdentity.h"
#include "media/SoftwareDatabaseSource.h"
#include "platform/FileSystem.h"
#include "platform/Sha1Digester.h"
#include "platform/WholeFile.h"

namespace {

constexpr const char* kInstalled = "/usr/share/openmsx/softwaredb.xml";

// A file in the temporary folder, removed at the end of the run.
class TempFile {
 public:
  explicit TempFile(const std::string& bytes) {
    char name[] = "/tmp/vorlent-bench-XXXXXX";
    const int fd = ::mkstemp(name);
    path_ = name;
    ::close(fd);
    std::ofstream(path_, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

std::string madeUpDatabase() {
  const auto digester = vorlent::makeSha1Digester();
  std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<softwaredb>\n";
  for (int i = 0; i < 6275; ++i) {
    text += "<software>\n\t<title>Title " + std::to_string(i) +
            "</title>\n\t<system>MSX</system>\n\t<company>Company</company>\n\t<year>1987</year>"
            "\n\t<country>JP</country>\n\t\t<dump><original value=\"true\">GoodMSX</original>"
            "<megarom><type>KonamiSCC</type><hash>" +
            vorlent::sha1Hex(digester->digestOf(std::to_string(i))) +
            "</hash><remark>remark</remark></megarom></dump>\n</software>\n";
  }
  return text + "</softwaredb>\n";
}

const std::string& databasePath() {
  static TempFile madeUp(::access(kInstalled, R_OK) == 0 ? std::string() : madeUpDatabase());
  static const std::string path = ::access(kInstalled, R_OK) == 0 ? kInstalled : madeUp.path();
  return path;
}

const TempFile& romImage() {
  static const TempFile image([] {
    std::string bytes(512 * 1024, '\0');
    std::mt19937 random(17);
    for (char& byte : bytes) byte = static_cast<char>(random());
    return bytes;
  }());
  return image;
}

void BM_IdentifyRomIncludingDatabaseLoad(benchmark::State& run) {
  const auto files = vorlent::makeFileSystem();
  const auto xml = vorlent::makeXmlReader();
  const auto sha1 = vorlent::makeSha1Digester();
  for (auto _ : run) {
    vorlent::SoftwareDatabaseSource source({databasePath()}, *files, *xml, *sha1);
    const vorlent::SoftwareDatabase* database = source.database();
    if (database == nullptr) {
      run.SkipWithError(source.problem().c_str());
      return;
    }
    benchmark::DoNotOptimize(source.identify(romImage().path(), *database));
  }
  run.SetLabel(databasePath());
}
BENCHMARK(BM_IdentifyRomIncludingDatabaseLoad)->Unit(benchmark::kMillisecond);

void BM_LoadDatabase(benchmark::State& run) {
  const auto xml = vorlent::makeXmlReader();
  for (auto _ : run) {
    benchmark::DoNotOptimize(vorlent::SoftwareDatabase::parse(
        vorlent::readWholeRegularFile(databasePath(), vorlent::kSoftwareDatabaseSizeLimit), *xml));
  }
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

void BM_DigestOf512KbImage(benchmark::State& run) {
  const auto sha1 = vorlent::makeSha1Digester();
  for (auto _ : run) {
    benchmark::DoNotOptimize(sha1->digestOf(
        vorlent::readWholeRegularFile(romImage().path(), vorlent::kRomImageSizeLimit)));
  }
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) * 512 * 1024);
}
BENCHMARK(BM_DigestOf512KbImage)->Unit(benchmark::kMillisecond);

}  // namespace
