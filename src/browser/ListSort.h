// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "browser/FileList.h"
#include "browser/FileListEntry.h"
#include "browser/ListColumn.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {

// Byte-wise order of list texts: a to z count as A to Z, nothing else is folded, the first
// differing byte decides by its unsigned value, and a prefix sorts before the longer text.
int compareListTexts(std::string_view a, std::string_view b);

// The text of an entry in a column. A value outside the columns reads as the caption.
std::string_view columnText(const FileListEntry& entry, ListColumn column);

// Remembers the column and sorts all entries ascending by its texts, compared in the system's
// code page; sorting again by the same column sorts ascending again.
void sortByColumn(FileList& list, ListColumn column, const SystemTextCodec& systemText);

// Sorts all entries by caption, descending; the remembered column stays.
void sortByCaptionDescending(FileList& list, const SystemTextCodec& systemText);

}  // namespace vorlent
