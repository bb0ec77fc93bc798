// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/look/X11IconName.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#ifdef VORLENT_HAS_XCB
#include <xcb/xcb.h>
#endif

namespace vorlent {

namespace {

// Writes the property each time the window has a native window to write it on.
class X11IconName final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::WinIdChange || type == QEvent::IconTextChange) {
      write(*static_cast<QWidget*>(watched));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static void write([[maybe_unused]] QWidget& window) {
#ifdef VORLENT_HAS_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 too, without a connection.
    if (x11 == nullptr || x11->connection() == nullptr ||
        QGuiApplication::platformName() != QLatin1String("xcb") ||
        !window.testAttribute(Qt::WA_WState_Created)) {
      return;
    }
    // The type STRING holds Latin-1; a name outside it keeps only _NET_WM_ICON_NAME.
    const QString name = window.windowIconText();
    const QByteArray latin1 = name.toLatin1();
    if (QString::fromLatin1(latin1) != name) {
      return;
    }
    xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE,
                        static_cast<xcb_window_t>(window.winId()), XCB_ATOM_WM_ICON_NAME,
                        XCB_ATOM_STRING, 8, static_cast<uint32_t>(latin1.size()),
                        latin1.constData());
    xcb_flush(x11->connection());
#endif
  }
};

}  // namespace

void keepX11IconName(QWidget& window) { window.installEventFilter(new X11IconName(&window)); }

}  // namespace vorlent
