#include "ui/FileListItemDelegate.h"

namespace vorlent {

QSize FileListItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  return cellSize_.isValid() ? cellSize_ : QStyledItemDelegate::sizeHint(option, index);
}

void FileListItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->textElideMode = Qt::ElideNone;
}

}  // namespace vorlent
