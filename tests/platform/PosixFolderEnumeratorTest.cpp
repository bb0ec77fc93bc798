// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/FolderEnumerator.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::TempFolder;

// Names whose full path is longer than the system takes in one path still show their details.
TEST(PosixFolderEnumeratorTest, DetailsAreReadInFoldersOfAnyDepth) {
  TempFolder folder;
  std::string deep = folder.string();
  while (deep.size() + 201 < 4043) deep += "/" + std::string(200, 'd');
  deep += "/" + std::string(4043 - deep.size() - 1, 'e');
  ASSERT_EQ(deep.size(), 4043U);
  std::filesystem::create_directories(deep);
  const int fd = ::open(deep.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(fd, 0);
  const struct {
    std::string name;
    std::size_t size;
  } cases[] = {{"short.rom", 5000}, {std::string(255, 'n'), 5000}, {std::string(60, 'm'), 1}};
  for (const auto& c : cases) {
    const int file = ::openat(fd, c.name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(file, 0);
    const std::string bytes(c.size, 'b');
    ASSERT_EQ(::write(file, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(file);
  }
  ::close(fd);
  const std::optional<FolderContents> contents = makeFolderEnumerator()->enumerate(deep);
  ASSERT_TRUE(contents.has_value());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 10));
    const std::optional<ItemDetails> details = contents->readDetails(deep + "/" + c.name);
    ASSERT_TRUE(details.has_value());
    EXPECT_EQ(details->sizeInBytes, c.size);
    EXPECT_GE(details->lastWrite.year, 2020);
  }
  EXPECT_FALSE(contents->readDetails(deep + "/gone").has_value());
}

}  // namespace
}  // namespace vorlent
