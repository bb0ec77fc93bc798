// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace vorlent {

// The dialog and warning texts of the file operations and the join, as the user reads them.
inline constexpr std::string_view kNewFileCaption = "新規ファイルの作成";
inline constexpr std::string_view kNewFolderCaption = "新規フォルダの作成";
inline constexpr std::string_view kNamePrompt = "名前を入力して下さい";
inline constexpr std::string_view kCannotCreate = "を作成できませんでした !!";
inline constexpr std::string_view kFileClash = "同名のファイルがすでに存在、ファイル名が不正です";
inline constexpr std::string_view kFolderClash = "同名のフォルダが存在します";
inline constexpr std::string_view kFolderInvalid =
    "同名のフォルダが存在するか、フォルダ名が不正です";
inline constexpr std::string_view kCannotRenameParent = "は名前を変更できません!";
inline constexpr std::string_view kRenameCaption = "名前の変更";
inline constexpr std::string_view kRenamePrompt = "変更後の名前を入力してください";
inline constexpr std::string_view kRenameFailedFirstLine =
    "名前を変更できません! 同名のファイルフォルダが存在するか";
inline constexpr std::string_view kRenameFailedSecondLine = "変更する名前に不正文字があります";
inline constexpr std::string_view kRenameUnmappableFirstLine =
    "名前を変更できません! 表示できない文字 \"�\" が元のどの文字か分かりません";
inline constexpr std::string_view kRenameUnmappableSecondLine =
    "\"�\" は元の位置のまま残し、その前後だけを変更してください";
inline constexpr std::string_view kMoveTitlePrefix = "移動先の";
inline constexpr std::string_view kCopyTitlePrefix = "コピー先の";
inline constexpr std::string_view kChooseFolderSuffix = "ディレクトリを選択";
inline constexpr std::string_view kDirectoryNotFound = "Directory not found.";
inline constexpr std::string_view kInputFileName = "Input file name.";
inline constexpr std::string_view kCannotOpenSource = "ファイル %s は開けません";
inline constexpr std::string_view kCannotCreateDestination = "ファイル %s を作成できません";

// The text with its "%s" replaced by the path.
std::string withPath(std::string_view text, std::string_view path);

}  // namespace vorlent
