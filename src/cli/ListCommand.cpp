#include "cli/ListCommand.h"

#include "browser/ListFolder.h"
#include "browser/ListSort.h"

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
    return {{}, "vorlent-cli: cannot list " + std::string(folder) + "\n", kCliLoadFailed};
  }
  if (column) {
    sortByColumn(list, *column, *makeSystemTextCodec());
  }
  std::string out;
  for (const FileListEntry& entry : list.entries()) {
    out += entry.caption + '\t' + std::to_string(entry.iconIndex) + '\t' + entry.sizeText + '\t' +
           entry.fullPath + '\t' + entry.typeText + '\t' + entry.timeStamp + '\n';
  }
  return {std::move(out), {}, 0};
}

}  // namespace vorlent
