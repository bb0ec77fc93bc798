// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filelist/FileListViews.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QListView>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <cctype>
#include <functional>
#include <limits>
#include <string_view>
#include <vector>

#include "browser/ListColumn.h"
#include "platform/ControlCharacters.h"
#include "ui/filelist/FileListItemDelegate.h"
#include "ui/filelist/FileListModel.h"
#include "ui/look/QtText.h"
#include "ui/look/WindowFont.h"

namespace vorlent {

namespace {

constexpr int kListFontPixels = 13;
constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
// The width of a cell under a large icon, as wide as a caption may run before it wraps.
constexpr int kLargeIconCellWidth = 84;
// The captions measured whole for their wrapped height in any case: the widest ones by the sum
// of their characters' advances.
constexpr std::size_t kCaptionsMeasured = 64;
// Columns laid out in batches, so that a long listing paints before it is laid out whole.
constexpr int kLayoutBatch = 1000;

}  // namespace

FileListViews::FileListViews(FileListModel& model, QWidget* parent)
    : QStackedWidget(parent),
      model_(model),
      iconView_(new QListView(this)),
      detailsView_(new QTreeView(this)),
      cells_(new FileListItemDelegate(this)) {
  setObjectName(QStringLiteral("ListView1"));
  const QFont font = windowFont(kListFontPixels);

  iconView_->setObjectName(QStringLiteral("ListView1Icons"));
  iconView_->setFont(font);
  iconView_->setModel(&model_);
  iconView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  iconView_->setUniformItemSizes(true);
  iconView_->setLayoutMode(QListView::Batched);
  iconView_->setBatchSize(kLayoutBatch);
  iconView_->setResizeMode(QListView::Adjust);
  iconView_->setMovement(QListView::Static);
  iconView_->setItemDelegate(cells_);
  iconView_->setTextElideMode(Qt::ElideNone);

  detailsView_->setObjectName(QStringLiteral("ListView1Details"));
  detailsView_->setFont(font);
  detailsView_->setModel(&model_);
  detailsView_->setSelectionModel(iconView_->selectionModel());
  detailsView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  detailsView_->setRootIsDecorated(false);
  detailsView_->setItemsExpandable(false);
  detailsView_->setUniformRowHeights(true);
  detailsView_->setAllColumnsShowFocus(true);
  detailsView_->setIconSize(QSize(kSmallIcon, kSmallIcon));
  // Its own, for its rows keep their own sizes.
  detailsView_->setItemDelegate(new FileListItemDelegate(detailsView_));
  detailsView_->setSortingEnabled(false);
  QHeaderView* header = detailsView_->header();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  header->setStretchLastSection(false);
  header->resizeSection(columnIndex(ListColumn::Size), kSizeColumnWidth);
  connect(header, &QHeaderView::sectionClicked, this,
          [this](int section) { model_.sort(section, Qt::AscendingOrder); });
  connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
    columnsFitted_ = false;
    fitColumnsWhenShown();
    cellsFitted_ = false;
    fitCellsWhenShown();
  });
  connect(&model_, &QAbstractItemModel::dataChanged, this, [this] {
    cellsFitted_ = false;
    fitCellsWhenShown();
  });

  connect(iconView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &FileListViews::writeSelection);
  connect(iconView_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &FileListViews::writeFocus);
  connect(&model_, &QAbstractItemModel::layoutChanged, this, &FileListViews::writeFocus);

  addWidget(iconView_);
  addWidget(detailsView_);
  setViewStyle(model_.list().viewStyle());
}

QItemSelectionModel* FileListViews::selectionModel() const { return iconView_->selectionModel(); }

ViewStyle FileListViews::viewStyle() const { return model_.list().viewStyle(); }

void FileListViews::setViewStyle(ViewStyle style) {
  model_.list().setViewStyle(style);
  switch (style) {
    case ViewStyle::LargeIcons:
      iconView_->setViewMode(QListView::IconMode);
      iconView_->setIconSize(QSize(kLargeIcon, kLargeIcon));
      iconView_->setFlow(QListView::LeftToRight);
      iconView_->setWrapping(true);
      iconView_->setWordWrap(true);
      break;
    case ViewStyle::SmallIcons:
    case ViewStyle::List:
      // Small icons run in rows, the list in columns.
      iconView_->setViewMode(QListView::ListMode);
      iconView_->setIconSize(QSize(kSmallIcon, kSmallIcon));
      iconView_->setFlow(style == ViewStyle::List ? QListView::TopToBottom
                                                  : QListView::LeftToRight);
      iconView_->setWrapping(true);
      iconView_->setWordWrap(false);
      break;
    case ViewStyle::Details:
      break;
  }
  // setViewMode resets these two.
  iconView_->setMovement(QListView::Static);
  iconView_->setResizeMode(QListView::Adjust);
  setCurrentWidget(style == ViewStyle::Details ? static_cast<QWidget*>(detailsView_)
                                               : static_cast<QWidget*>(iconView_));
  fitColumnsWhenShown();
  cellsFitted_ = false;
  fitCellsWhenShown();
}

void FileListViews::fitCellsWhenShown() {
  if (!cellsFitted_ && currentWidget() == iconView_) {
    fitCells();
    cellsFitted_ = true;
  }
}

// The sum of the characters' own advances, each measured once, the widest of them, and how
// many places the caption may wrap at besides the middle of a word: a line breaks only around
// characters other than ASCII letters, digits and dots. Kerning and shaping make the drawn
// width differ by a few pixels, so the widest captions by this sum are measured whole.
FileListViews::CaptionEstimate FileListViews::estimate(const std::string& caption,
                                                       const QFontMetrics& metrics) {
  CaptionEstimate estimate;
  for (std::size_t i = 0; i < caption.size();) {
    const Utf8Character character = firstUtf8Character(std::string_view(caption).substr(i));
    i += std::max<std::size_t>(character.length, 1);
    // Captions come with their controls and broken bytes marked already; a byte that still does
    // not decode counts as the widest character.
    const char32_t code = character.length == 0 ? char32_t{0x110000} : character.codePoint;
    estimate.plain = estimate.plain && code < 0x80;
    if (!std::isalnum(static_cast<int>(code < 0x80 ? code : 0)) && code != '.') {
      estimate.breaks += 2;
    }
    // Characters outside the table count as the widest character.
    int advance = metrics.maxWidth();
    if (code < charAdvances_.size()) {
      int& known = charAdvances_[code];
      if (known < 0) {
        known = metrics.horizontalAdvance(QChar(static_cast<char16_t>(code)));
      }
      advance = known;
    }
    estimate.width += advance;
    estimate.widestCharacter = std::max(estimate.widestCharacter, advance);
  }
  // Room for kerning, which seldom widens a text: a pixel for every four characters.
  estimate.width += static_cast<int>((caption.size() + 3) / 4);
  return estimate;
}

std::vector<std::pair<FileListViews::CaptionEstimate, int>> FileListViews::estimatedCaptions(
    const QFont& font) {
  const FileList& list = model_.list();
  const QFontMetrics metrics(font);
  if (charAdvancesFont_ != font) {
    charAdvances_.assign(0x10000, -1);
    charAdvancesFont_ = font;
  }
  std::vector<std::pair<CaptionEstimate, int>> captions;
  captions.reserve(list.count());
  for (std::size_t row = 0; row < list.count(); ++row) {
    captions.emplace_back(estimate(list.caption(row), metrics), static_cast<int>(row));
  }
  std::sort(captions.begin(), captions.end(),
            [](const auto& a, const auto& b) { return a.first.width > b.first.width; });
  return captions;
}

QString FileListViews::captionOf(int row) const {
  return toQt(model_.list().caption(static_cast<std::size_t>(row)));
}

// Measures only the captions whose estimate may reach the widest measured so far.
int FileListViews::widestCaptionRow(const std::vector<std::pair<CaptionEstimate, int>>& captions,
                                    const QFontMetrics& metrics) const {
  int widest = -1;
  int widestRow = 0;
  for (const auto& [estimated, row] : captions) {
    if (estimated.plain && estimated.width < widest) {
      continue;
    }
    if (const int width = metrics.horizontalAdvance(captionOf(row)); width > widest) {
      widest = width;
      widestRow = row;
    }
  }
  return widestRow;
}

// Every cell takes the size that the longest caption needs: beside a small icon its whole
// width, under a large icon the lines it wraps into. A caption is measured as it is drawn unless
// its estimate shows that it needs no more than one measured already.
void FileListViews::fitCells() {
  cells_->setCellSize(QSize());
  if (model_.list().count() == 0) {
    return;
  }
  const QFont font = iconView_->font();
  const QFontMetrics metrics(font);
  const auto captions = estimatedCaptions(font);  // widest first
  if (iconView_->viewMode() == QListView::ListMode) {
    cells_->setCellSize(iconView_->sizeHintForIndex(
        model_.index(widestCaptionRow(captions, metrics), columnIndex(ListColumn::Name))));
  } else {
    const int margin = iconView_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int textWidth = kLargeIconCellWidth - 2 * margin;
    const int lineHeight =
        FileListItemDelegate::wrappedTextHeight(font, QStringLiteral("M"), textWidth);
    int textHeight = lineHeight;
    std::size_t measured = 0;
    for (const auto& [estimated, row] : captions) {
      const int room = textWidth - estimated.widestCharacter;
      const int lines = room > 0 ? 1 + estimated.breaks + estimated.width / room
                                 : std::numeric_limits<int>::max();
      if (measured < kCaptionsMeasured || !estimated.plain || lines > textHeight / lineHeight) {
        textHeight = std::max(
            textHeight, FileListItemDelegate::wrappedTextHeight(font, captionOf(row), textWidth));
        ++measured;
      }
    }
    const QSize oneLine =
        iconView_->sizeHintForIndex(model_.index(0, columnIndex(ListColumn::Name)));
    cells_->setCellSize(QSize(
        kLargeIconCellWidth,
        std::max(oneLine.height(), kLargeIcon + 2 * margin + 4) + textHeight - metrics.height()));
  }
  // The view keeps the cell size of its last layout, which may have run as it was shown, before
  // this measure: it is laid out again with the new size.
  iconView_->doItemsLayout();
}

void FileListViews::fitColumnsWhenShown() {
  if (!columnsFitted_ && currentWidget() == detailsView_) {
    fitColumns();
    columnsFitted_ = true;
  }
}

// "Name", "Full PathName" and "TimeStamp" take the width of their texts, or of their header if
// wider. The time stamps, all of one form, are measured by the header over a thousand rows; the
// name and the full path by the widest caption of the folder, wherever it lies.
void FileListViews::fitColumns() {
  QHeaderView* header = detailsView_->header();
  detailsView_->resizeColumnToContents(columnIndex(ListColumn::TimeStamp));
  const int widest = model_.list().count() > 0
                         ? widestCaptionRow(estimatedCaptions(detailsView_->font()),
                                            QFontMetrics(detailsView_->font()))
                         : -1;
  for (const ListColumn column : {ListColumn::Name, ListColumn::FullPath}) {
    const int section = columnIndex(column);
    const int text =
        widest < 0 ? 0 : detailsView_->sizeHintForIndex(model_.index(widest, section)).width();
    header->resizeSection(section, std::max(header->sectionSizeHint(section), text));
  }
  header->resizeSection(columnIndex(ListColumn::Size), kSizeColumnWidth);
}

void FileListViews::writeSelection(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
  FileList& list = model_.list();
  for (const QItemSelectionRange& range : deselected) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      list.setSelected(static_cast<std::size_t>(row), false);
    }
  }
  for (const QItemSelectionRange& range : selected) {
    for (int row = range.top(); row <= range.bottom(); ++row) {
      list.setSelected(static_cast<std::size_t>(row), true);
    }
  }
}

void FileListViews::writeFocus() {
  const QModelIndex current = selectionModel()->currentIndex();
  model_.list().setFocused(current.isValid()
                               ? std::optional<std::size_t>(static_cast<std::size_t>(current.row()))
                               : std::nullopt);
}

}  // namespace vorlent
