// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filelist/FileListModel.h"

#include "browser/ListSort.h"
#include "ui/filelist/FileListIcons.h"
#include "ui/look/QtText.h"
#include "ui/look/ShownText.h"

namespace vorlent {

FileListModel::FileListModel(FileList& list, const FileListIcons& icons,
                             const SystemTextCodec& systemText, QObject* parent)
    : QAbstractTableModel(parent), list_(list), icons_(icons), systemText_(systemText) {
  list_.setObserver(this);
}

FileListModel::~FileListModel() { list_.setObserver(nullptr); }

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(list_.count());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kListColumnCount;
}

bool FileListModel::isEntry(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.row() >= 0 &&
         static_cast<std::size_t>(index.row()) < list_.count();
}

const FileListEntry* FileListModel::entryAt(const QModelIndex& index) const {
  return isEntry(index) ? &list_.entry(static_cast<std::size_t>(index.row())) : nullptr;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  const FileListEntry* entry = entryAt(index);
  const std::optional<ListColumn> shown = listColumnAt(index.column());
  if (entry == nullptr || !shown) {
    return {};
  }
  const ListColumn column = *shown;
  switch (role) {
    case Qt::DisplayRole:
      return shownToQt(columnText(*entry, column));
    case Qt::DecorationRole:
      return column == ListColumn::Name ? QVariant(icons_.icon(entry->iconIndex)) : QVariant();
    case Qt::TextAlignmentRole:
      return column == ListColumn::Size ? QVariant(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter))
                                        : QVariant();
    case Qt::ToolTipRole:
      return column == ListColumn::Name ? plainToolTip(shownToQt(entry->fullPath)) : QVariant();
    default:
      return {};
  }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const std::optional<ListColumn> column = listColumnAt(section);
  if (orientation != Qt::Horizontal || !column) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  static const QString kHeaders[kListColumnCount] = {
      QStringLiteral("Name"), QStringLiteral("Size(kB)"), QStringLiteral("Full PathName"),
      QStringLiteral("Type"), QStringLiteral("TimeStamp")};
  if (role == Qt::DisplayRole) {
    return kHeaders[section];
  }
  if (role == Qt::TextAlignmentRole && column == ListColumn::Size) {
    return QVariant(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  }
  return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex& index) const {
  return isEntry(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                        : Qt::NoItemFlags;
}

void FileListModel::sort(int column, Qt::SortOrder) {
  if (const std::optional<ListColumn> clicked = listColumnAt(column)) {
    sortByColumn(list_, *clicked, systemText_);
  }
}

void FileListModel::entriesAboutToBeReplaced() { beginResetModel(); }

void FileListModel::entriesReplaced() { endResetModel(); }

void FileListModel::entriesAboutToBeReordered() {
  Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::entriesReordered(const std::vector<std::size_t>& oldIndexOfNew) {
  std::vector<int> newRowOfOld(oldIndexOfNew.size());
  for (std::size_t i = 0; i < oldIndexOfNew.size(); ++i) {
    newRowOfOld[oldIndexOfNew[i]] = static_cast<int>(i);
  }
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& index : from) {
    const auto old = static_cast<std::size_t>(index.row());
    to.append(old < newRowOfOld.size() ? this->index(newRowOfOld[old], index.column())
                                       : QModelIndex());
  }
  changePersistentIndexList(from, to);
  Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::entryChanged(std::size_t index) {
  const int row = static_cast<int>(index);
  Q_EMIT dataChanged(this->index(row, columnIndex(ListColumn::Name)),
                     this->index(row, columnIndex(ListColumn::TimeStamp)));
}

}  // namespace vorlent
