// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/JoinFiles.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Failure.h"
#include "support/TempFolder.h"
#include "support/Watchdog.h"

namespace vorlent {
namespace {

using testing::TempFolder;
using testing::Watchdog;

// The real writers, counting the files they begin.
class CountingWriters final : public AtomicFiles {
 public:
  std::unique_ptr<AtomicFile> create(std::string_view targetPath) override {
    ++created;
    return real_->create(targetPath);
  }
  int created = 0;

 private:
  std::unique_ptr<AtomicFiles> real_ = makeAtomicFiles();
};

// The real writers, with a disk that fills up after a number of bytes.
class FillingWriters final : public AtomicFiles {
 public:
  explicit FillingWriters(std::size_t room) : room_(room) {}
  std::unique_ptr<AtomicFile> create(std::string_view targetPath) override {
    class Filling final : public AtomicFile {
     public:
      Filling(std::unique_ptr<AtomicFile> real, std::size_t& room)
          : real_(std::move(real)), room_(room) {}
      void write(std::string_view bytes) override {
        if (bytes.size() > room_) throw Failure(fileFailureText(FileFailureKind::DiskFull));
        room_ -= bytes.size();
        real_->write(bytes);
      }
      void commit() override { real_->commit(); }

     private:
      std::unique_ptr<AtomicFile> real_;
      std::size_t& room_;
    };
    return std::make_unique<Filling>(real_->create(targetPath), room_);
  }

 private:
  std::unique_ptr<AtomicFiles> real_ = makeAtomicFiles();
  std::size_t room_;
};

// The real readers, with one source whose reading fails after its first piece.
class BreakingReaders final : public ReadStreams {
 public:
  explicit BreakingReaders(std::string broken) : broken_(std::move(broken)) {}
  std::unique_ptr<ReadStream> open(std::string_view path) override {
    class Breaking final : public ReadStream {
     public:
      explicit Breaking(std::unique_ptr<ReadStream> real) : real_(std::move(real)) {}
      std::size_t read(char* buffer, std::size_t size) override {
        if (pieces_++ > 0) throw Failure(fileFailureText(FileFailureKind::AccessDenied));
        return real_->read(buffer, size);
      }

     private:
      std::unique_ptr<ReadStream> real_;
      int pieces_ = 0;
    };
    auto real = real_->open(path);
    if (path == broken_) return std::make_unique<Breaking>(std::move(real));
    return real;
  }

 private:
  std::unique_ptr<ReadStreams> real_ = makeReadStreams();
  std::string broken_;
};

class JoinFilesTest : public ::testing::Test {
 protected:
  std::vector<std::string> leftOver() const {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder.path())) {
      names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder folder;
  std::unique_ptr<ReadStreams> readers = makeReadStreams();
  std::unique_ptr<AtomicFiles> writers = makeAtomicFiles();
};

TEST_F(JoinFilesTest, WritesThePlainConcatenationInListOrder) {
  const std::string big(3 * 1024 * 1024 + 17, 'x');  // spans several pieces
  const std::string a = folder.write("a.bin", std::string("A\0\r\n", 4));
  const std::string b = folder.write("b.bin", "BB");
  const std::string empty = folder.write("empty.bin");
  const std::string large = folder.write("large.bin", big);
  const struct {
    std::string name;
    std::vector<std::string> sources;
    std::string bytes;
  } cases[] = {
      {"order", {b, a, empty}, std::string("BBA\0\r\n", 6)},
      {"twice", {a, a}, std::string("A\0\r\nA\0\r\n", 8)},
      {"none", {}, ""},
      {"large", {b, large, b}, "BB" + big + "BB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    JoinFiles(c.sources, folder.at(c.name), *readers, *writers);
    EXPECT_EQ(folder.read(c.name), c.bytes);
  }
}

TEST_F(JoinFilesTest, TheDestinationMayBeOneOfTheSources) {
  const std::string a = folder.write("a.bin", "head");
  const std::string b = folder.write("b.bin", "tail");
  JoinFiles({a, b, a}, a, *readers, *writers);
  EXPECT_EQ(folder.read("a.bin"), "headtailhead");
  EXPECT_EQ(leftOver(), (std::vector<std::string>{"a.bin", "b.bin"}));
}

TEST_F(JoinFilesTest, AFailureLeavesTheDestinationAsItWas) {
  const std::string big(2 * 1024 * 1024, 'y');
  const std::string a = folder.write("a.bin", big);
  const std::string dest = folder.write("dest.bin", "old content");
  const std::string gone = folder.at("gone.bin");
  std::filesystem::create_directory(folder.at("dir"));
  FillingWriters full(1024 * 1024 + 5);
  BreakingReaders breaking(a);
  const struct {
    std::string name;
    std::vector<std::string> sources;
    std::string destination;
    ReadStreams& readers;
    AtomicFiles& writers;
    std::string text;
  } cases[] = {
      {"missing source", {a, gone}, dest, *readers, *writers, "ファイル " + gone + " は開けません"},
      {"folder source",
       {folder.at("dir")},
       dest,
       *readers,
       *writers,
       "ファイル " + folder.at("dir") + " は開けません"},
      {"source breaks midway", {a}, dest, breaking, *writers, "ファイル " + a + " は開けません"},
      {"disk full", {a}, dest, *readers, full, "ファイル " + dest + " を作成できません"},
      {"destination folder gone",
       {a},
       folder.at("vanished/out.bin"),
       *readers,
       *writers,
       "ファイル " + folder.at("vanished/out.bin") + " を作成できません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      JoinFiles(c.sources, c.destination, c.readers, c.writers);
      ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
      EXPECT_EQ(std::string(failure.what()), c.text);
    }
    EXPECT_EQ(folder.read("dest.bin"), "old content");
    EXPECT_EQ(leftOver(), (std::vector<std::string>{"a.bin", "dest.bin", "dir"}));
  }
}

TEST_F(JoinFilesTest, ASourceThatIsNoFileIsRefusedBeforeAnythingIsWritten) {
  const std::string a = folder.write("a.bin", "A");
  const std::string dest = folder.write("dest.bin", "old content");
  const std::string fifo = folder.at("pipe");
  const std::string zero = folder.at("zero.rom");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  const bool device = ::mknod(zero.c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
  const std::string toZero = folder.at("to-zero.rom");
  std::filesystem::create_symlink("/dev/zero", toZero);
  const auto before = leftOver();
  for (const std::string& special : {fifo, zero, toZero}) {
    SCOPED_TRACE(special);
    if (special == zero && !device) continue;  // devices need the right to make them
    CountingWriters counting;
    const Watchdog watchdog("the join");
    try {
      JoinFiles({a, special}, dest, *readers, counting);
      ADD_FAILURE() << "joined";
    } catch (const Failure& failure) {
      EXPECT_EQ(std::string(failure.what()), "ファイル " + special + " は開けません");
    }
    EXPECT_EQ(counting.created, 0);
    EXPECT_EQ(folder.read("dest.bin"), "old content");
    EXPECT_EQ(leftOver(), before);
  }
}

TEST_F(JoinFilesTest, ADestinationOfTheLongestNameIsWritten) {
  const std::string a = folder.write("a.bin", "A");
  std::string japanese;
  for (int i = 0; i < 85; ++i) japanese += "あ";
  for (const std::string& name : {std::string(255, 'j'), japanese}) {
    JoinFiles({a, a}, folder.at(name), *readers, *writers);
    EXPECT_EQ(folder.read(name), "AA");
  }
}

}  // namespace
}  // namespace vorlent
