#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "browser/FileList.h"
#include "browser/FileListEntry.h"

namespace vorlent {

inline constexpr int kListColumnCount = 5;

// Byte-wise order of list texts: a to z count as A to Z, nothing else is folded, the first
// differing byte decides by its unsigned value, and a prefix sorts before the longer text.
int compareListTexts(std::string_view a, std::string_view b);

// The text of an entry in a column: 0 caption, 1 size, 2 full path, 3 type, 4 time stamp.
// Columns out of range read as the caption.
std::string_view columnText(const FileListEntry& entry, int column);

// Turns a compared text into the bytes that the comparison works on.
using SortBytes = std::function<std::string(std::string_view text)>;

// The column's texts of all entries in list order, each turned into its sort bytes once.
std::vector<std::string> sortTexts(const std::vector<FileListEntry>& entries, int column,
                                   const SortBytes& toSortBytes);

// Negative when a sorts before b in the column, zero when they compare equal. The texts are
// compared in the system's code page.
int ListView1Compare(const FileListEntry& a, const FileListEntry& b, int column);

// Sorts all entries ascending by the column's texts in the bytes that `toSortBytes` gives; the
// header click sorts in the system's code page.
void sortByColumnBytes(FileList& list, int column, const SortBytes& toSortBytes);

// A header click: remembers the column and sorts all entries by it, always ascending.
void ListView1ColumnClick(FileList& list, int column);

// Sorts all entries by caption, descending; the sort column stays.
void CustomSort1Click(FileList& list);

}  // namespace vorlent
