// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <cstdlib>

#include "platform/PathParts.h"

namespace vorlent {

void Directory::Closer::operator()(DIR* handle) const { ::closedir(handle); }

Directory::Directory(const std::string& path) : handle_(::opendir(path.c_str())) {}

Directory::Directory(FileDescriptor folder) : handle_(::fdopendir(folder.get())) {
  if (handle_) {
    folder.release();
  }
}

int Directory::descriptor() const { return handle_ ? ::dirfd(handle_.get()) : -1; }

const dirent* Directory::next() { return handle_ ? ::readdir(handle_.get()) : nullptr; }

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  Directory directory(folder);
  while (const dirent* entry = directory.next()) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  return names;
}

std::optional<std::string> realPath(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                             &std::free);
  if (!resolved) {
    return std::nullopt;
  }
  return std::string(resolved.get());
}

std::optional<std::string> readLink(const std::string& path) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0) {
      return std::nullopt;
    }
    if (static_cast<std::size_t>(length) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string withoutTrailingSlashes(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') {
    path.remove_suffix(1);
  }
  return std::string(path);
}

std::string parentFolderOf(std::string_view path) {
  const std::string folder = folderPart(path, PathStyle::Posix);
  return folder.empty() ? "." : folder;
}

}  // namespace vorlent
