// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QMimeData;
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

// The local files of a Qt drop as the core's paths. Where file names are bytes, they are taken
// from the URLs' own percent-encoded bytes, so that names that are no valid UTF-8 keep them.
std::vector<std::string> droppedLocalFiles(const QMimeData& data);

}  // namespace vorlent
