// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStyle>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "launch/OptionControl.h"
#include "ui/dialogs/OptionControlBinder.h"
#include "ui/dialogs/OptionPages.h"

class QMenuBar;
class QPushButton;

namespace vorlent {

// A modal dialog that edits one option set through a working copy in its controls, built from
// the set's table. Both ways out leave copy and set equal: "OK" stores the controls into the
// set, "閉じる" (and Escape or closing the window) fills them from the set again. Opening does
// not fill, and the page shown last is shown again.
class OptionDialog : public QDialog {
  Q_OBJECT

 public:
  // "OK" (also Enter): store the controls into the set, then close.
  void BitBtn1Click();
  // "リセット": put the reset values into the controls; the set is not changed.
  void BitBtn2Click();
  // "閉じる": fill the controls from the set again, dropping the edits, then close.
  void BitBtn3Click();

  void reject() override;

 protected:
  // The set must outlive the dialog.
  template <class Options>
  OptionDialog(const OptionDialogTable<Options>& table, Options& options, QWidget* parent)
      : OptionDialog(table.caption, QSize(table.clientWidth, table.clientHeight), table.pagesHeight,
                     table.pages, parent) {
    for (const OptionControlRow<Options>& row : table.controls) {
      bind(row.control, options.*(row.field));
    }
    finishBuilding();
  }

  // Puts a menu bar above the client area, which keeps its size.
  void setMenuBarAbove(QMenuBar* menuBar);

  void showEvent(QShowEvent* event) override;

 private:
  OptionDialog(std::string_view caption, QSize clientSize, int pagesHeight,
               const std::vector<std::string_view>& pages, QWidget* parent);

  void bind(const OptionControl& control, int& field);
  void finishBuilding();
  void fillControls();
  QPushButton* addButton(QWidget* client, const QString& name, const QString& text,
                         QStyle::StandardPixmap icon);

  QWidget* client_ = nullptr;
  std::unique_ptr<OptionPages> pages_;
  std::deque<OptionControlBinder> binders_;
};

}  // namespace vorlent
