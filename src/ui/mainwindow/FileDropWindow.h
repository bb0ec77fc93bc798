// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <string>
#include <vector>

#include "ui/look/QtText.h"
#include "ui/mainwindow/ShellDrops.h"

namespace vorlent {

// A window that takes the files dropped on it, from Qt's drop events or, on Windows, from the
// shell's own message (see ShellDrops.h), and hands their paths to filesDropped in the order
// given.
template <class Window>
class FileDropWindow : public Window {
 public:
  using Window::Window;

 protected:
  virtual void filesDropped(const std::vector<std::string>& paths) = 0;

  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->mimeData()->hasUrls()) {
      event->acceptProposedAction();
    }
  }

  void dropEvent(QDropEvent* event) override {
    const std::vector<std::string> paths = droppedLocalFiles(*event->mimeData());
    event->acceptProposedAction();
    filesDropped(paths);
  }

  bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override {
    if (const std::optional<QStringList> paths = shellDropPaths(eventType, message)) {
      std::vector<std::string> dropped;
      for (const QString& path : *paths) {
        dropped.push_back(toCore(path));
      }
      filesDropped(dropped);
      *result = 0;
      return true;
    }
    return Window::nativeEvent(eventType, message, result);
  }
};

}  // namespace vorlent
