// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PathParts.h"

namespace vorlent {

namespace {

std::string_view::size_type lastDelimiter(std::string_view path, PathStyle style) {
  return style == PathStyle::Windows ? path.find_last_of("\\:") : path.find_last_of('/');
}

}  // namespace

bool isPathDelimiter(char c, PathStyle style) {
  return style == PathStyle::Windows ? (c == '\\' || c == ':') : c == '/';
}

std::string folderPartWithDelimiter(std::string_view path, PathStyle style) {
  const auto last = lastDelimiter(path, style);
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string folderPart(std::string_view path, PathStyle style) {
  std::string folder = folderPartWithDelimiter(path, style);
  const char separator = style == PathStyle::Windows ? '\\' : '/';
  if (folder.size() > 1 && folder.back() == separator &&
      !isPathDelimiter(folder[folder.size() - 2], style)) {
    folder.pop_back();
  }
  return folder;
}

std::string fileNamePart(std::string_view path, PathStyle style) {
  const auto last = lastDelimiter(path, style);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string extensionOf(std::string_view path, PathStyle style) {
  const std::string name = fileNamePart(path, style);
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string asciiLower(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    c = asciiLower(c);
  }
  return lowered;
}

bool hasExtension(std::string_view path, std::string_view lowerCaseExtension, PathStyle style) {
  return asciiLower(extensionOf(path, style)) == lowerCaseExtension;
}

std::string joinPath(std::string_view folder, std::string_view name, PathStyle style) {
  std::string joined;
  joined.reserve(folder.size() + 1 + name.size());
  joined = folder;
  if (!joined.empty() && !isPathDelimiter(joined.back(), style)) {
    joined += style == PathStyle::Windows ? '\\' : '/';
  }
  joined += name;
  return joined;
}

}  // namespace vorlent
