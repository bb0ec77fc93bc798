// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filelist/FileListItemDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
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

QPalette::ColorGroup colourGroup(const QStyleOptionViewItem& cell) {
  return !cell.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
         : cell.state.testFlag(QStyle::State_Active) ? QPalette::Normal
                                                     : QPalette::Inactive;
}

}  // namespace

// A style may draw a selection of its own instead of the palette's highlight: the Windows one
// draws a pale tint that leaves the caption in the text colour, or nothing at all. The highlight
// is drawn here where the common styles draw it, under the caption (and the icon where the style
// shows the decoration selected), the caption in the highlighted text's colour over it and the
// icon as selected; the style draws the rest as for an entry that is not selected.
void FileListItemDelegate::paintSelectedLine(QPainter* painter, const QStyleOptionViewItem& cell) {
  const QWidget* view = cell.widget;
  QStyle* style = view != nullptr ? view->style() : QApplication::style();
  const QBrush highlight = cell.palette.brush(colourGroup(cell), QPalette::Highlight);
  if (style->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, &cell, view) != 0) {
    painter->fillRect(cell.rect, highlight);
  }
  painter->fillRect(style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view), highlight);

  QStyleOptionViewItem plain = cell;
  plain.state &= ~QStyle::State_Selected;
  for (const QPalette::ColorGroup group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    plain.palette.setBrush(group, QPalette::Text,
                           cell.palette.brush(group, QPalette::HighlightedText));
  }
  if (!cell.icon.isNull()) {
    plain.icon = QIcon(cell.icon.pixmap(cell.decorationSize, QIcon::Selected));
  }
  style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, view);
}

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
  // A wrapped caption starts right under its icon.
  if (option->features.testFlag(QStyleOptionViewItem::WrapText)) {
    option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
  }
}

// The style wraps only at blanks; a wrapped caption is drawn here, with its highlight and its
// focus frame around the whole of it, and the icon by the style.
void FileListItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const bool selected = cell.state.testFlag(QStyle::State_Selected);
  if (!cell.features.testFlag(QStyleOptionViewItem::WrapText)) {
    if (selected) {
      paintSelectedLine(painter, cell);
    } else {
      QStyledItemDelegate::paint(painter, option, index);
    }
    return;
  }
  const QWidget* view = cell.widget;
  QStyle* style = view != nullptr ? view->style() : QApplication::style();
  const QRect textArea = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view);
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
  const QPalette::ColorGroup group = colourGroup(cell);

  // The style would size the highlight and the frame to the one line it can lay out.
  QStyleOptionViewItem icon = cell;
  icon.text.clear();
  icon.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  style->drawControl(QStyle::CE_ItemViewItem, &icon, painter, view);
  if (selected) {
    const QRect iconArea = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &cell, view);
    cell.icon.paint(painter, iconArea, cell.decorationAlignment, QIcon::Selected);
  }

  // The style's text area holds one line; the wrapped lines run on below it, laid out as they
  // were measured for the cell.
  QTextLayout layout(cell.text, cell.font);
  const int lineWidth = textArea.width() - 2 * margin;
  const qreal height = layOutCentred(layout, lineWidth);
  const QPointF origin(textArea.left() + margin, textArea.top());
  qreal widest = 0;
  for (int i = 0; i < layout.lineCount(); ++i) {
    widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
  }
  const int captionWidth = static_cast<int>(std::ceil(widest));
  const QRect caption =
      QRect(static_cast<int>(origin.x()) + (lineWidth - captionWidth) / 2,
            static_cast<int>(origin.y()), captionWidth, static_cast<int>(std::ceil(height)))
          .adjusted(-margin, 0, margin, 0)
          .intersected(cell.rect);
  if (selected) {
    painter->fillRect(caption, cell.palette.brush(group, QPalette::Highlight));
  }
  painter->save();
  painter->setFont(cell.font);
  painter->setPen(cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  layout.draw(painter, origin);
  painter->restore();

  if (cell.state.testFlag(QStyle::State_HasFocus)) {
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(cell);
    frame.rect = caption;
    frame.state |= QStyle::State_Item;
    frame.backgroundColor =
        cell.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, painter, view);
  }
}

}  // namespace vorlent
