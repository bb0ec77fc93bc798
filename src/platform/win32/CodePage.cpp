// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/CodePage.h"

#include <windows.h>

#include <climits>

namespace vorlent::win32 {

namespace {

int lengthOf(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

}  // namespace

std::wstring wideFromCodePage(std::string_view bytes, unsigned codePage) {
  if (bytes.empty()) {
    return {};
  }
  const int length = lengthOf(bytes.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(codePage, 0, bytes.data(), length, wide.data(), needed);
  return wide;
}

std::string codePageFromWide(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) {
    return {};
  }
  const int length = lengthOf(wide.size());
  const int needed =
      ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(codePage, 0, wide.data(), length, bytes.data(), needed, nullptr, nullptr);
  return bytes;
}

std::string toCodePage(std::string_view utf8, unsigned codePage) {
  return codePageFromWide(wideFromCodePage(utf8, CP_UTF8), codePage);
}

std::string fromCodePage(std::string_view bytes, unsigned codePage) {
  return codePageFromWide(wideFromCodePage(bytes, codePage), CP_UTF8);
}

std::string ansi(std::string_view utf8) { return toCodePage(utf8, CP_ACP); }

std::string fromAnsi(std::string_view bytes) { return fromCodePage(bytes, CP_ACP); }

}  // namespace vorlent::win32
