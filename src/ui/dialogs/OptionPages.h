// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

class QTabWidget;
class QWidget;

namespace vorlent {

// The page control of an option dialog ("PageControl1"), its tabs drawn as flat buttons. Every
// control of a page stands whole on the page; nothing scrolls.
class OptionPages {
 public:
  OptionPages(const std::vector<std::string_view>& captions, int width, QWidget* parent);

  QTabWidget* widget() const { return tabs_; }

  // Where the controls of a page are created.
  QWidget* page(int index) const;

  // Puts a control on its page, after the ones put there before.
  void place(int page, QWidget* control);

  // Lays out every page: one control above the other where they fit the page's height, else
  // the controls that fit half the width in two columns and the others across the whole
  // width. Call once, after the last place, with the page control at its final height.
  void arrange();

 private:
  void arrangePage(QWidget* page, const std::vector<QWidget*>& controls) const;

  QTabWidget* tabs_ = nullptr;
  int width_ = 0;
  std::vector<QWidget*> pages_;
  std::vector<std::vector<QWidget*>> controls_;
};

}  // namespace vorlent
