// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

TEST(Win32SystemFailureTest, LastErrorCodesAreWordedAsTheReportWordsThem) {
  const struct {
    DWORD code;
    const char* text;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, "ファイルが見つかりません"},
      {ERROR_PATH_NOT_FOUND, "不正なファイル名です"},
      {ERROR_INVALID_NAME, "不正なファイル名です"},
      {ERROR_TOO_MANY_OPEN_FILES, "オープンしたファイルが多すぎます"},
      {ERROR_ACCESS_DENIED, "ファイルへのアクセスが拒否されました"},
      {ERROR_SHARING_VIOLATION, "ファイルへのアクセスが拒否されました"},
      {ERROR_HANDLE_EOF, "ファイルの末尾以降を読み込みました"},
      {ERROR_DISK_FULL, "ディスクがいっぱいです"},
      {ERROR_HANDLE_DISK_FULL, "ディスクがいっぱいです"},
      {ERROR_NOT_READY, "I/O エラー (21)"},
      {ERROR_CRC, "I/O エラー (23)"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(systemFailure(static_cast<int>(c.code)).what(), c.text) << "code " << c.code;
  }
}

TEST(Win32SystemFailureTest, FileSystemFailuresCarryTheSystemsReason) {
  const testing::TempFolder folder;
  const auto files = makeFileSystem();
  const struct {
    std::function<void()> action;
    const char* text;
  } cases[] = {
      {[&] { files->readRegularFile(folder.at("missing.ini"), SIZE_MAX); },
       "ファイルが見つかりません"},
      {[&] { files->writeFile(folder.at("no folder\\x.ini"), "x"); }, "不正なファイル名です"},
      {[&] { files->readRegularFile(folder.string(), SIZE_MAX); },
       "ファイルへのアクセスが拒否されました"},
  };
  for (const auto& c : cases) {
    try {
      c.action();
      ADD_FAILURE() << "no failure, expected " << c.text;
    } catch (const Failure& failure) {
      EXPECT_STREQ(failure.what(), c.text);
    }
  }
}

}  // namespace
}  // namespace vorlent
