// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <utility>

namespace vorlent {

// Owns a file descriptor and closes it on every way out.
class FileDescriptor {
 public:
  FileDescriptor() = default;
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      FileDescriptor old(std::exchange(fd_, other.release()));
    }
    return *this;
  }

  int get() const { return fd_; }
  bool isOpen() const { return fd_ >= 0; }

  // Hands the descriptor over to whoever closes it now.
  int release() { return std::exchange(fd_, -1); }

  // Closes now, so that a failure of the close itself is seen.
  int close() { return ::close(release()); }

 private:
  int fd_ = -1;
};

}  // namespace vorlent
