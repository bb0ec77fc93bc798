// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStackedWidget>
#include <string>
#include <utility>
#include <vector>

#include "browser/ViewStyle.h"

class QFontMetrics;
class QItemSelection;
class QItemSelectionModel;
class QListView;
class QTreeView;

namespace vorlent {

class FileListItemDelegate;
class FileListModel;

// The file list's four view styles over one model and one shared selection: a list view for
// large icons, small icons and list, a tree view for details. The selection and the current
// entry are written through to the core list, which the commands read.
class FileListViews final : public QStackedWidget {
  Q_OBJECT

 public:
  static constexpr int kSizeColumnWidth = 100;

  explicit FileListViews(FileListModel& model, QWidget* parent = nullptr);

  // Shows the style and records it in the list.
  void setViewStyle(ViewStyle style);
  ViewStyle viewStyle() const;

  QListView* iconView() const { return iconView_; }
  QTreeView* detailsView() const { return detailsView_; }
  QItemSelectionModel* selectionModel() const;

 private:
  void fitColumns();
  void fitColumnsWhenShown();
  void fitCells();
  void fitCellsWhenShown();
  struct CaptionEstimate {
    int width = 0;
    int widestCharacter = 0;
    int breaks = 0;
    // Only ASCII characters, drawn in the list's own font.
    bool plain = true;
  };
  CaptionEstimate estimate(const std::string& caption, const QFontMetrics& metrics);
  // Each entry's estimate and row, the widest estimate first.
  std::vector<std::pair<CaptionEstimate, int>> estimatedCaptions(const QFont& font);
  int widestCaptionRow(const std::vector<std::pair<CaptionEstimate, int>>& captions,
                       const QFontMetrics& metrics) const;
  QString captionOf(int row) const;
  void writeSelection(const QItemSelection& selected, const QItemSelection& deselected);
  void writeFocus();

  FileListModel& model_;
  QListView* iconView_;
  QTreeView* detailsView_;
  FileListItemDelegate* cells_;
  // Measuring the columns reads every entry; it waits until the details are shown.
  bool columnsFitted_ = false;
  // The icon and list styles size their cells when first shown after a change of the entries.
  bool cellsFitted_ = false;
  // The advance of each character of the basic plane met so far, -1 for not yet measured.
  std::vector<int> charAdvances_;
  QFont charAdvancesFont_;
};

}  // namespace vorlent
