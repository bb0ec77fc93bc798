// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filelist/ListFocusOpening.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

namespace vorlent {

ListFocusOpening::ListFocusOpening(QWidget& window, std::vector<QWidget*> views,
                                   std::function<void()> open)
    : QObject(&window), window_(window), views_(std::move(views)), open_(std::move(open)) {
  for (QWidget* view : views_) {
    view->installEventFilter(this);
  }
  // Qt tells of a focus change after the FocusIn event, so at that event this still names the
  // widget the focus came from.
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { focused_ = now; });
}

// A control of the window the user can move the focus from: neither the list itself nor the
// menu bar, which hands the focus back when the user leaves it.
bool ListFocusOpening::isOtherControl(const QWidget* widget) const {
  if (widget == nullptr || widget->window() != &window_ ||
      std::find(views_.begin(), views_.end(), widget) != views_.end()) {
    return false;
  }
  for (const QWidget* part = widget; part != nullptr; part = part->parentWidget()) {
    if (qobject_cast<const QMenuBar*>(part) != nullptr) {
      return false;
    }
  }
  return true;
}

bool ListFocusOpening::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // A mouse press that brings the focus selects or opens by itself: opening the entry
    // selected before it would run one the user did not click.
    const bool byTheKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (byTheKeyboard && isOtherControl(focused_)) {
      open_();
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vorlent
