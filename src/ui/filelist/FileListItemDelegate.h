// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QStyledItemDelegate>

namespace vorlent {

// Draws the file list's entries, a selected one in the palette's highlight on every style. In
// the icon and list styles every entry takes one cell size that the longest caption sets, so
// that no caption is cut. Under large icons a caption wraps at a blank where it can and anywhere
// where it must: file names seldom have blanks.
class FileListItemDelegate final : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // An invalid size leaves every entry its own size.
  void setCellSize(QSize size) { cellSize_ = size; }
  QSize cellSize() const { return cellSize_; }

  // The height of a caption wrapped as it is drawn under a large icon.
  static int wrappedTextHeight(const QFont& font, const QString& text, int width);

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  static void paintSelectedLine(QPainter* painter, const QStyleOptionViewItem& cell);

  QSize cellSize_;
};

}  // namespace vorlent
