#include "ui/FileListItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

namespace vorlent {

namespace {

QTextOption wrappedCaption() {
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  return option;
}

// Lays a caption out in lines of the width, each line centred; returns the height taken.
qreal layOutCentred(QTextLayout& layout, int width) {
  layout.setTextOption(wrappedCaption());
  layout.beginLayout();
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF((width - line.naturalTextWidth()) / 2, height));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

}  // namespace

int FileListItemDelegate::wrappedTextHeight(const QFont& font, const QString& text, int width) {
  QTextLayout layout(text, font);
  return static_cast<int>(std::ceil(layOutCentred(layout, width)));
}

QSize FileListItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
  return cellSize_.isValid() ? cellSize_ : QStyledItemDelegate::sizeHint(option, index);
}

void FileListItemDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->textElideMode = Qt::ElideNone;
  // A wrapped caption starts right under its icon.
  if (option->features.testFlag(QStyleOptionViewItem::WrapText)) {
    option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
  }
}

// The style wraps only at blanks; a wrapped caption is drawn here, the rest of the cell by the
// style.
void FileListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  if (!cell.features.testFlag(QStyleOptionViewItem::WrapText)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QWidget* view = cell.widget;
  QStyle* style = view != nullptr ? view->style() : QApplication::style();
  const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
  const QString caption = cell.text;
  cell.text.clear();
  style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  const QPalette::ColorGroup group =
      cell.state.testFlag(QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
  painter->save();
  painter->setFont(cell.font);
  painter->setPen(cell.palette.color(group, cell.state.testFlag(QStyle::State_Selected)
                                                ? QPalette::HighlightedText
                                                : QPalette::Text));
  // The style's text area holds one line; the wrapped lines run on below it, laid out as they
  // were measured for the cell.
  QTextLayout layout(caption, cell.font);
  layOutCentred(layout, textArea.width() - 2 * margin);
  layout.draw(painter, QPointF(textArea.left() + margin, textArea.top()));
  painter->restore();
}

}  // namespace vorlent
