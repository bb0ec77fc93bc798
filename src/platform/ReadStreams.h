// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace vorlent {

// A file open for reading from its start, piece by piece.
class ReadStream {
 public:
  virtual ~ReadStream() = default;

  // Reads up to size bytes into buffer; 0 at the end. Failures are thrown as Failure, and so is
  // a file that grew or shrank since it was opened.
  virtual std::size_t read(char* buffer, std::size_t size) = 0;

  // The system's handle of the open file, for copies the system makes itself; -1 for none.
  virtual int systemHandle() const { return -1; }
};

// Opens files for reading; an interface so that tests can make a source fail.
class ReadStreams {
 public:
  virtual ~ReadStreams() = default;

  // Failures (missing, a folder, no access) are thrown as Failure.
  virtual std::unique_ptr<ReadStream> open(std::string_view path) = 0;
};

// The streams of a system whose one kind of read stream is opened from the path.
template <typename Stream>
class ReadStreamsOf final : public ReadStreams {
 public:
  std::unique_ptr<ReadStream> open(std::string_view path) override {
    return std::make_unique<Stream>(path);
  }
};

std::unique_ptr<ReadStreams> makeReadStreams();

}  // namespace vorlent
