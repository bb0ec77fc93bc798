// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

// Ends the process once the window has painted for the first time and the event loop has
// nothing left to do, so that the span measured runs from the start to a drawn, idle window.
// The process ends there without tearing the window down: for the launcher, closing would
// also save its configuration.
class EndAfterFirstPaint final : public QObject {
 public:
  explicit EndAfterFirstPaint(QWidget& window) { window.installEventFilter(this); }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !ending_) {
      ending_ = true;
      // Queued behind the rest of this paint, which draws the window's children.
      QTimer::singleShot(0, [] { std::_Exit(0); });
    }
    return false;
  }

 private:
  bool ending_ = false;
};
