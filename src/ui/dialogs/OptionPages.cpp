// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionPages.h"

#include <QBoxLayout>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <utility>

#include "ui/look/ShownText.h"

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
      QStringLiteral("QTabBar::tab { padding: 2px 10px; margin: 1px 1px;"
                     " border: 1px solid palette(mid); border-radius: 2px;"
                     " background: palette(button); }"
                     "QTabBar::tab:selected { background: palette(midlight);"
                     " border-style: inset; }"));
  for (std::size_t index = 0; index < captions.size(); ++index) {
    auto* page = new QWidget(tabs_);
    page->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
    tabs_->addTab(page, literalCaption(captions[index]));
    pages_.push_back(page);
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

namespace {

int heightOf(const QWidget* control) {
  return control->sizeHint().expandedTo(control->minimumSizeHint()).height();
}

// Where the narrow controls, kept in their order, are cut into two columns of about the same
// height: the first index of the second column.
std::size_t balancedCut(const std::vector<QWidget*>& narrow) {
  int total = 0;
  for (const QWidget* control : narrow) {
    total += heightOf(control) + kSpacing;
  }
  std::size_t best = narrow.size();
  int bestTallest = total;
  int first = 0;
  for (std::size_t cut = 0; cut <= narrow.size(); ++cut) {
    const int tallest = std::max(first, total - first);
    if (tallest < bestTallest) {
      bestTallest = tallest;
      best = cut;
    }
    if (cut < narrow.size()) {
      first += heightOf(narrow[cut]) + kSpacing;
    }
  }
  return best;
}

}  // namespace

// A page whose controls fit one above the other keeps them so. Otherwise the controls that fit
// half the width stand in two columns of about equal height, in their order down the first
// column and then down the second, and the wider ones follow across the whole width.
void OptionPages::arrangePage(QWidget* page, const std::vector<QWidget*>& controls) const {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
  layout->setSpacing(kSpacing);
  const int pageHeight = tabs_->height() - tabs_->tabBar()->sizeHint().height();
  int stacked = 2 * kPageMargin;
  for (const QWidget* control : controls) {
    stacked += heightOf(control) + kSpacing;
  }
  const int halfWidth = (width_ - 2 * kPageMargin - kSpacing) / 2;
  std::vector<QWidget*> narrow;
  std::vector<QWidget*> wide;
  for (QWidget* control : controls) {
    const bool fitsHalf =
        control->sizeHint().expandedTo(control->minimumSizeHint()).width() <= halfWidth;
    (fitsHalf && stacked > pageHeight ? narrow : wide).push_back(control);
  }
  if (!narrow.empty()) {
    auto* band = new QHBoxLayout;
    band->setSpacing(kSpacing);
    layout->addLayout(band);
    const std::size_t cut = balancedCut(narrow);
    for (const auto& [from, to] : {std::pair{std::size_t{0}, cut}, std::pair{cut, narrow.size()}}) {
      auto* column = new QVBoxLayout;
      column->setSpacing(kSpacing);
      band->addLayout(column, 1);
      for (std::size_t i = from; i < to; ++i) {
        column->addWidget(narrow[i]);
      }
      column->addStretch();
    }
  }
  for (QWidget* control : wide) {
    layout->addWidget(control);
  }
  layout->addStretch();
}

}  // namespace vorlent
