// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/NavigationTexts.h"

#include "platform/ControlCharacters.h"

namespace vorlent {

std::string objectCountText(std::size_t count) { return std::to_string(count) + " 個のｵﾌﾞｼﾞｪｸﾄ"; }

std::string driveSizeText(std::int64_t totalBytes, std::int64_t freeBytes) {
  return "全容量　" + std::to_string(totalBytes / 1024) + "Kbytes　　 空き容量　" +
         std::to_string(freeBytes / 1024) + " Kbytes";
}

std::string driveNotAccessibleText(char letter) {
  const char upper =
      letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
  return std::string(1, upper) +
         ":ドライブにアクセスできません\r\nメディアが挿入されているかドライブが正しく接続されている"
         "か確認して下さい";
}

std::string folderNotAccessibleText(std::string_view folder) {
  return withControlsMarked(folder) +
         ":フォルダにアクセスできません\r\nフォルダが存在するか、読み取りが許されているか確認して下"
         "さい";
}

}  // namespace vorlent
