// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include "browser/FileList.h"
#include "browser/FileListObserver.h"
#include "platform/SystemTextCodec.h"

namespace vorlent {

class FileListIcons;

// The one item model over the file list, for all four view styles: a row per entry, the five
// columns of the details view. Follows every change of the list (one reset per listing) and
// sorts through the list's own comparison.
class FileListModel final : public QAbstractTableModel, private FileListObserver {
  Q_OBJECT

 public:
  // systemText is the code page in which the texts are compared.
  FileListModel(FileList& list, const FileListIcons& icons, const SystemTextCodec& systemText,
                QObject* parent = nullptr);
  ~FileListModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A header click: always ascending, whatever order is asked for.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

  FileList& list() { return list_; }
  const FileListEntry* entryAt(const QModelIndex& index) const;

 private:
  bool isEntry(const QModelIndex& index) const;
  void entriesAboutToBeReplaced() override;
  void entriesReplaced() override;
  void entriesAboutToBeReordered() override;
  void entriesReordered(const std::vector<std::size_t>& oldIndexOfNew) override;
  void entryChanged(std::size_t index) override;

  FileList& list_;
  const FileListIcons& icons_;
  const SystemTextCodec& systemText_;
};

}  // namespace vorlent
