// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Failure.h"

#include "platform/ControlCharacters.h"

namespace vorlent {

std::string fileFailureText(FileFailureKind kind, int errorNumber) {
  switch (kind) {
    case FileFailureKind::FileNotFound:
      return "ファイルが見つかりません";
    case FileFailureKind::InvalidFileName:
      return "不正なファイル名です";
    case FileFailureKind::TooManyOpenFiles:
      return "オープンしたファイルが多すぎます";
    case FileFailureKind::AccessDenied:
      return "ファイルへのアクセスが拒否されました";
    case FileFailureKind::ReadPastEnd:
      return "ファイルの末尾以降を読み込みました";
    case FileFailureKind::DiskFull:
      return "ディスクがいっぱいです";
    case FileFailureKind::NotANumber:
      return "入力値が数値ではありません";
    case FileFailureKind::Other:
      break;
  }
  return "I/O エラー (" + std::to_string(errorNumber) + ")";
}

std::string notAnIntegerText(std::string_view text) {
  return "'" + withControlsMarked(text) + "' は整数ではありません";
}

std::string indexOutOfRangeText(long long index) {
  return "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")";
}

std::string notARegularFileText(std::string_view path) {
  return "'" + withControlsMarked(path) + "' は通常のファイルではありません";
}

std::string missingFileText(std::string_view path) {
  return "'" + std::string(path) + "' は存在しません";
}

std::string fileTooLargeText(std::string_view path, std::size_t limit) {
  return "'" + withControlsMarked(path) + "' は大きすぎます (" + std::to_string(limit) +
         " バイトまで)";
}

}  // namespace vorlent
