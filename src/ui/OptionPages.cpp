#include "ui/OptionPages.h"

#include <QBoxLayout>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <array>

#include "ui/QtText.h"

namespace vorlent {

namespace {

constexpr int kPageMargin = 4;
constexpr int kSpacing = 4;

}  // namespace

OptionPages::OptionPages(const std::vector<std::string_view>& captions, int width, QWidget* parent)
    : tabs_(new QTabWidget(parent)), width_(width), controls_(captions.size()) {
  tabs_->setObjectName(QStringLiteral("PageControl1"));
  tabs_->setDocumentMode(true);
  tabs_->tabBar()->setStyleSheet(
      QStringLiteral("QTabBar::tab { padding: 3px 10px; margin: 2px 1px;"
                     " border: 1px solid palette(mid); border-radius: 2px;"
                     " background: palette(button); }"
                     "QTabBar::tab:selected { background: palette(midlight);"
                     " border-style: inset; }"));
  for (std::size_t index = 0; index < captions.size(); ++index) {
    auto* scroll = new QScrollArea(tabs_);
    scroll->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    tabs_->addTab(scroll, toQt(captions[index]));
    pages_.push_back(content);
  }
}

QWidget* OptionPages::page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }

void OptionPages::place(int page, QWidget* control) {
  controls_.at(static_cast<std::size_t>(page)).push_back(control);
}

void OptionPages::arrange() {
  for (std::size_t index = 0; index < pages_.size(); ++index) {
    arrangePage(pages_[index], controls_[index]);
  }
}

// Controls that fit half the width go into the shorter of two columns; a wide control closes
// the columns above it and takes the whole width.
void OptionPages::arrangePage(QWidget* page, const std::vector<QWidget*>& controls) const {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
  layout->setSpacing(kSpacing);
  const int halfWidth = (width_ - 2 * kPageMargin - kSpacing) / 2;
  QHBoxLayout* band = nullptr;
  std::array<QVBoxLayout*, 2> columns{};
  std::array<int, 2> heights{};
  for (QWidget* control : controls) {
    // A group's caption counts only in its minimum size.
    const QSize hint = control->sizeHint().expandedTo(control->minimumSizeHint());
    if (hint.width() > halfWidth) {
      if (band != nullptr) {
        columns[0]->addStretch();
        columns[1]->addStretch();
        band = nullptr;
      }
      layout->addWidget(control);
      continue;
    }
    if (band == nullptr) {
      band = new QHBoxLayout;
      band->setSpacing(kSpacing);
      layout->addLayout(band);
      for (auto& column : columns) {
        column = new QVBoxLayout;
        column->setSpacing(kSpacing);
        band->addLayout(column, 1);
      }
      heights = {};
    }
    const std::size_t shorter = heights[1] < heights[0] ? 1 : 0;
    columns[shorter]->addWidget(control);
    heights[shorter] += hint.height() + kSpacing;
  }
  if (band != nullptr) {
    columns[0]->addStretch();
    columns[1]->addStretch();
  }
  layout->addStretch();
}

}  // namespace vorlent
