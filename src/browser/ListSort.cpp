// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/ListSort.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/SystemTextCodec.h"

namespace vorlent {

namespace {

constexpr unsigned char foldAsciiUpper(unsigned char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

std::uint64_t foldedBigEndian(std::string_view text, std::size_t offset) {
  std::uint64_t packed = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const std::size_t at = offset + i;
    const unsigned char byte = at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
    packed = packed << 8 | foldAsciiUpper(byte);
  }
  return packed;
}

// A text to sort with its first sixteen folded bytes packed into integers, so that most
// comparisons are two integer comparisons on contiguous memory. Shorter texts are padded with
// zero bytes, which sort before every other byte, as the shorter text does.
struct SortKey {
  std::uint64_t high;
  std::uint64_t low;
  std::string_view text;
  std::size_t position;
};

// The index of the first byte at which the texts differ once folded, or the shorter length.
// Runs of equal bytes are passed eight at a time; only a differing byte is folded.
std::size_t foldedMatchLength(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  std::size_t i = 0;
  for (;;) {
    while (i + 8 <= common && std::memcmp(a.data() + i, b.data() + i, 8) == 0) {
      i += 8;
    }
    while (i < common && a[i] == b[i]) {
      ++i;
    }
    if (i == common || foldAsciiUpper(static_cast<unsigned char>(a[i])) !=
                           foldAsciiUpper(static_cast<unsigned char>(b[i]))) {
      return i;
    }
    ++i;
  }
}

// The length of the folded prefix that all texts share; comparing them from there on gives the
// same order (full paths share their whole folder, for example).
std::size_t commonFoldedPrefix(const std::vector<std::string_view>& texts) {
  if (texts.empty()) {
    return 0;
  }
  std::string_view prefix = texts.front();
  for (const std::string_view text : texts) {
    prefix = prefix.substr(0, foldedMatchLength(prefix, text));
    if (prefix.empty()) {
      break;
    }
  }
  return prefix.size();
}

// The texts to compare, converted to the system's code page once each when the keys are built,
// never per comparison; where the system text is UTF-8 they are the entries' own.
template <typename Before>
void sortEntries(FileList& list, ListColumn column, const SystemTextCodec& systemText,
                 Before before) {
  const auto& entries = list.entries();
  std::vector<std::string> converted;
  std::vector<std::string_view> texts;
  texts.reserve(entries.size());
  if (!systemText.isUtf8()) {
    converted.reserve(entries.size());
    for (const FileListEntry& entry : entries) {
      converted.push_back(systemText.toSystemText(columnText(entry, column)));
    }
    texts.assign(converted.begin(), converted.end());
  } else {
    for (const FileListEntry& entry : entries) {
      texts.push_back(columnText(entry, column));
    }
  }
  const std::size_t skipped = commonFoldedPrefix(texts);
  std::vector<SortKey> keys;
  keys.reserve(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string_view text = texts[i].substr(skipped);
    keys.push_back({foldedBigEndian(text, 0), foldedBigEndian(text, 8), text, i});
  }
  std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
    if (a.high != b.high) {
      return before(a.high < b.high ? -1 : 1);
    }
    if (a.low != b.low) {
      return before(a.low < b.low ? -1 : 1);
    }
    // Both texts lie whole in their keys: only the length can still tell them apart.
    if (a.text.size() <= 16 && b.text.size() <= 16) {
      return before(a.text.size() == b.text.size() ? 0 : (a.text.size() < b.text.size() ? -1 : 1));
    }
    return before(compareListTexts(a.text.substr(std::min<std::size_t>(16, a.text.size())),
                                   b.text.substr(std::min<std::size_t>(16, b.text.size()))));
  });
  std::vector<std::size_t> order;
  order.reserve(keys.size());
  for (const SortKey& key : keys) {
    order.push_back(key.position);
  }
  list.reorder(order);
}

}  // namespace

int compareListTexts(std::string_view a, std::string_view b) {
  const std::size_t i = foldedMatchLength(a, b);
  if (i < a.size() && i < b.size()) {
    return foldAsciiUpper(static_cast<unsigned char>(a[i])) <
                   foldAsciiUpper(static_cast<unsigned char>(b[i]))
               ? -1
               : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string_view columnText(const FileListEntry& entry, ListColumn column) {
  switch (column) {
    case ListColumn::Size:
      return entry.sizeText;
    case ListColumn::FullPath:
      return entry.fullPath;
    case ListColumn::Type:
      return entry.typeText;
    case ListColumn::TimeStamp:
      return entry.timeStamp;
    case ListColumn::Name:
      break;
  }
  return entry.caption;
}

void sortByColumn(FileList& list, ListColumn column, const SystemTextCodec& systemText) {
  list.setSortColumn(column);
  sortEntries(list, column, systemText, [](int order) { return order < 0; });
}

void sortByCaptionDescending(FileList& list, const SystemTextCodec& systemText) {
  sortEntries(list, ListColumn::Name, systemText, [](int order) { return order > 0; });
}

}  // namespace vorlent
