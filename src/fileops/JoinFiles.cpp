// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/JoinFiles.h"

#include <memory>

#include "fileops/FileOperationTexts.h"
#include "platform/Failure.h"

namespace vorlent {

namespace {

constexpr std::size_t kPieceSize = 1 << 20;

}  // namespace

void JoinFiles(const std::vector<std::string>& sources, std::string_view destination,
               ReadStreams& readers, AtomicFiles& writers) {
  const auto cannotCreate = [destination] {
    return Failure(withPath(kCannotCreateDestination, destination));
  };
  const auto openSource = [&readers](const std::string& source) {
    try {
      return readers.open(source);
    } catch (const Failure&) {
      throw Failure(withPath(kCannotOpenSource, source));
    }
  };
  // Every source must open before the destination's file is begun, so that a source that
  // cannot be read leaves nothing behind.
  for (const std::string& source : sources) {
    openSource(source);
  }
  std::unique_ptr<AtomicFile> output;
  try {
    output = writers.create(destination);
  } catch (const Failure&) {
    throw cannotCreate();
  }
  const auto piece = std::make_unique<char[]>(kPieceSize);
  for (const std::string& source : sources) {
    const std::unique_ptr<ReadStream> input = openSource(source);
    // The system copies what it can by itself; the bytes pass through here only where it cannot.
    // Either way the end is read here, where the reader finds out whether the source still has
    // the size it had when opened.
    try {
      output->appendRestOf(*input);
    } catch (const Failure&) {
      throw cannotCreate();
    }
    for (;;) {
      std::size_t got = 0;
      try {
        got = input->read(piece.get(), kPieceSize);
      } catch (const Failure&) {
        throw Failure(withPath(kCannotOpenSource, source));
      }
      if (got == 0) {
        break;
      }
      try {
        output->write(std::string_view(piece.get(), got));
      } catch (const Failure&) {
        throw cannotCreate();
      }
    }
  }
  try {
    output->commit();
  } catch (const Failure&) {
    throw cannotCreate();
  }
}

}  // namespace vorlent
