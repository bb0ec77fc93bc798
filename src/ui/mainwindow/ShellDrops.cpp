// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/ShellDrops.h"

#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "ui/look/QtText.h"

#ifdef _WIN32
#include <windows.h>
// The shell's header needs the definitions of windows.h first.
#include <shellapi.h>

#include "platform/win32/DroppedFiles.h"
#endif

namespace vorlent {

std::vector<std::string> droppedLocalFiles(const QMimeData& data) {
  std::vector<std::string> paths;
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) {
      continue;
    }
#ifdef _WIN32
    paths.push_back(toCore(url.toLocalFile()));
#else
    paths.push_back(
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
#endif
  }
  return paths;
}

#ifdef _WIN32

void acceptShellDrops(QWidget& window) {
  // Qt's own drop target would take the drops before the shell's message could come.
  window.setAcceptDrops(false);
  ::DragAcceptFiles(reinterpret_cast<HWND>(window.winId()), TRUE);
}

std::optional<QStringList> shellDropPaths(const QByteArray& eventType, void* message) {
  if (eventType != QByteArrayLiteral("windows_generic_MSG")) {
    return std::nullopt;
  }
  const auto* msg = static_cast<const MSG*>(message);
  if (msg->message != WM_DROPFILES) {
    return std::nullopt;
  }
  const auto drop = reinterpret_cast<HDROP>(msg->wParam);
  QStringList paths;
  for (const std::string& path : win32::droppedPaths(drop)) {
    paths << toQt(path);
  }
  ::DragFinish(drop);
  return paths;
}

#else

void acceptShellDrops(QWidget&) {}

std::optional<QStringList> shellDropPaths(const QByteArray&, void*) { return std::nullopt; }

#endif

}  // namespace vorlent
