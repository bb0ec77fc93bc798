// SPDX-License-Identifier: GPL-3.0-or-later
// A source that shrinks or grows while the join reads it fails the join with the reading
// error, and the destination stays as it was: no short or long result passes for a success.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "fileops/JoinFiles.h"
#include "platform/AtomicFile.h"
#include "platform/Failure.h"
#include "platform/ReadStreams.h"
#include "support/FileState.h"
#include "support/HostileFiles.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::TempFolder;

constexpr std::size_t kSourceSize = 3 * 1024 * 1024;

enum class Change { None, Shrinks, Grows };
// How the join takes the bytes: through the program, or copied by the system.
enum class Way { Read, SystemCopy };

void change(const std::string& path, Change how) {
  if (how == Change::Shrinks) {
    ASSERT_EQ(::truncate(path.c_str(), kSourceSize / 2), 0);
  } else if (how == Change::Grows) {
    const int file = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    ASSERT_GE(file, 0);
    const std::string more(kSourceSize, 'g');
    ASSERT_EQ(::write(file, more.data(), more.size()), static_cast<ssize_t>(more.size()));
    ::close(file);
  }
}

// The real readers, with the real source file changed on the disk once its reading has begun:
// after the first piece read, or just before the system is handed the file to copy.
class ChangingReaders final : public ReadStreams {
 public:
  ChangingReaders(std::string changed, Change how, Way way)
      : changed_(std::move(changed)), how_(how), way_(way) {}

  std::unique_ptr<ReadStream> open(std::string_view path) override {
    class Changing final : public ReadStream {
     public:
      Changing(std::unique_ptr<ReadStream> real, std::function<void()> changeNow, Way way)
          : real_(std::move(real)), changeNow_(std::move(changeNow)), way_(way) {}
      std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t got = real_->read(buffer, size);
        if (changeNow_) std::exchange(changeNow_, nullptr)();
        return got;
      }
      int systemHandle() const override {
        if (way_ == Way::Read) return -1;
        if (changeNow_) std::exchange(changeNow_, nullptr)();
        return real_->systemHandle();
      }

     private:
      std::unique_ptr<ReadStream> real_;
      mutable std::function<void()> changeNow_;
      Way way_;
    };
    std::function<void()> changeNow;
    if (path == changed_) changeNow = [this] { change(changed_, how_); };
    return std::make_unique<Changing>(real_->open(path), std::move(changeNow), way_);
  }

 private:
  std::unique_ptr<ReadStreams> real_ = makeReadStreams();
  std::string changed_;
  Change how_;
  Way way_;
};

TEST(JoinChangingSourceTest, ASourceThatChangesSizeFailsTheJoin) {
  const struct {
    const char* name;
    Change how;
    Way way;
  } cases[] = {
      {"unchanged, read", Change::None, Way::Read},
      {"unchanged, system copy", Change::None, Way::SystemCopy},
      {"shrinks, read", Change::Shrinks, Way::Read},
      {"shrinks, system copy", Change::Shrinks, Way::SystemCopy},
      {"grows, read", Change::Grows, Way::Read},
      {"grows, system copy", Change::Grows, Way::SystemCopy},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string first = folder.write("src/first.bin", "first ");
    const std::string source = folder.write("src/changing.bin", std::string(kSourceSize, 's'));
    const std::string destination = folder.write("dst/joined.bin", "old destination");
    const testing::TreeSnapshot destinationBefore = testing::snapshotTree(folder.at("dst"));
    const std::string destinationState = testing::fileState(destination);

    ChangingReaders readers(source, c.how, c.way);
    const auto writers = makeAtomicFiles();
    std::string failure;
    {
      const testing::Watchdog watchdog("the join");
      try {
        JoinFiles({first, source}, destination, readers, *writers);
      } catch (const Failure& error) {
        failure = error.what();
      }
    }

    if (c.how == Change::None) {
      EXPECT_EQ(failure, "");
      EXPECT_EQ(folder.read("dst/joined.bin"), "first " + std::string(kSourceSize, 's'));
    } else {
      EXPECT_EQ(failure, "ファイル " + source + " は開けません");
      EXPECT_EQ(testing::fileState(destination), destinationState);
      EXPECT_TRUE(testing::changedPaths(destinationBefore, testing::snapshotTree(folder.at("dst")))
                      .empty());
    }
  }
}

}  // namespace
}  // namespace vorlent
