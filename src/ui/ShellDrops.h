#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

class QWidget;

namespace vorlent {

// On Windows a window takes the shell's drops as the shell hands them over, one message with the
// names in the code page, in place of Qt's drop events. Elsewhere Qt's drop events with their
// URLs serve, and these do nothing.

// Registers the window with the shell for dropped files.
void acceptShellDrops(QWidget& window);

// The dropped paths when the native message is a drop from the shell; the drop is then
// released.
std::optional<QStringList> shellDropPaths(const QByteArray& eventType, void* message);

}  // namespace vorlent
