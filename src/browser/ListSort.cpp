#include "browser/ListSort.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace vorlent {

namespace {

constexpr unsigned char foldAsciiLower(unsigned char byte) {
  return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

// Sorts through a compact array of (text, position) pairs, which keeps the comparisons on
// contiguous memory, then moves each entry once.
template <typename Before>
void sortByColumn(FileList& list, int column, Before before) {
  const auto& entries = list.entries();
  std::vector<std::pair<std::string_view, std::size_t>> keys;
  keys.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    keys.emplace_back(columnText(entries[i], column), i);
  }
  std::sort(keys.begin(), keys.end(),
            [&](const auto& a, const auto& b) { return before(a.first, b.first); });
  std::vector<std::size_t> order;
  order.reserve(keys.size());
  for (const auto& key : keys) {
    order.push_back(key.second);
  }
  list.reorder(order);
}

}  // namespace

int compareListTexts(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x != y) {
      x = foldAsciiLower(x);
      y = foldAsciiLower(y);
      if (x != y) {
        return x < y ? -1 : 1;
      }
    }
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string_view columnText(const FileListEntry& entry, int column) {
  switch (column) {
    case 1:
      return entry.sizeText;
    case 2:
      return entry.fullPath;
    case 3:
      return entry.typeText;
    case 4:
      return entry.timeStamp;
    default:
      return entry.caption;
  }
}

int ListView1Compare(const FileListEntry& a, const FileListEntry& b, int column) {
  return compareListTexts(columnText(a, column), columnText(b, column));
}

void ListView1ColumnClick(FileList& list, int column) {
  list.setSortColumn(column);
  sortByColumn(list, column,
               [](std::string_view a, std::string_view b) { return compareListTexts(a, b) < 0; });
}

void CustomSort1Click(FileList& list) {
  sortByColumn(list, 0,
               [](std::string_view a, std::string_view b) { return compareListTexts(a, b) > 0; });
}

}  // namespace vorlent
