// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ListCommand.h"

#include "browser/ListFolder.h"
#include "browser/ListSort.h"
#include "platform/ControlCharacters.h"

namespace vorlent {

namespace {

// The companion has no cursor to show.
class NoBusyIndicator final : public BusyIndicator {
 public:
  void begin() override {}
  void end() override {}
};

std::optional<ListColumn> columnOf(const std::optional<std::string>& text) {
  if (text && text->size() == 1 && (*text)[0] >= '0' && (*text)[0] <= '9') {
    return listColumnAt((*text)[0] - '0');
  }
  return std::nullopt;
}

}  // namespace

CliResult runListCommand(std::string_view folder, const std::optional<std::string>& sortColumn) {
  const std::optional<ListColumn> column = columnOf(sortColumn);
  if (sortColumn && !column) {
    return usageResult();
  }
  FileList list;
  NoBusyIndicator busy;
  const auto enumerator = makeFolderEnumerator();
  if (!ListFolder(list, folder, *enumerator, busy)) {
    return {{},
            terminalLines("vorlent-cli: cannot list " + withControlsMarked(folder)),
            kCliLoadFailed};
  }
  if (column) {
    sortByColumn(list, *column, *makeSystemTextCodec());
  }
  std::string out;
  for (const FileListEntry& entry : list.entries()) {
    out += withControlsMarked(entry.caption) + '\t' + std::to_string(entry.iconIndex) + '\t' +
           withControlsMarked(entry.sizeText) + '\t' + withControlsMarked(entry.fullPath) + '\t' +
           withControlsMarked(entry.typeText) + '\t' + withControlsMarked(entry.timeStamp) + '\n';
  }
  return {std::move(out), {}, 0};
}

}  // namespace vorlent
