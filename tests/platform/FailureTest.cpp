// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Failure.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vorlent {
namespace {

TEST(FailureTextTest, SystemErrorsAreWordedAsTheReportWordsThem) {
  const struct {
    int code;
    const char* text;
  } cases[] = {
      {ENOENT, "ファイルが見つかりません"},
      {ENOTDIR, "不正なファイル名です"},
      {ENAMETOOLONG, "不正なファイル名です"},
      {EMFILE, "オープンしたファイルが多すぎます"},
      {ENFILE, "オープンしたファイルが多すぎます"},
      {EACCES, "ファイルへのアクセスが拒否されました"},
      {EROFS, "ファイルへのアクセスが拒否されました"},
      {EISDIR, "ファイルへのアクセスが拒否されました"},
      {ENOSPC, "ディスクがいっぱいです"},
      {EIO, "I/O エラー (5)"},
      {EBUSY, "I/O エラー (16)"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(systemFailure(c.code).what(), c.text) << "errno " << c.code;
  }
}

TEST(FailureTextTest, CoreFailureTexts) {
  EXPECT_EQ(notAnIntegerText("12a"), "'12a' は整数ではありません");
  EXPECT_EQ(notAnIntegerText(""), "'' は整数ではありません");
  EXPECT_EQ(indexOutOfRangeText(9), "リストのインデックスが範囲を超えています (9)");
  EXPECT_EQ(indexOutOfRangeText(-1), "リストのインデックスが範囲を超えています (-1)");
  EXPECT_EQ(fileFailureText(FileFailureKind::ReadPastEnd), "ファイルの末尾以降を読み込みました");
  EXPECT_EQ(fileFailureText(FileFailureKind::NotANumber), "入力値が数値ではありません");
  EXPECT_EQ(fileFailureText(FileFailureKind::Other, 103), "I/O エラー (103)");
}

}  // namespace
}  // namespace vorlent
