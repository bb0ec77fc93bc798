// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vorlent::testing {

// What the user reads, not what the widget stores.

// A button, group, tab or menu caption as Qt draws it: "&&" is drawn "&", a single "&" marks the
// next letter as an accelerator and is not drawn.
QString drawnCaption(const QString& caption);

// A tooltip or label of automatic format as drawn: text that looks like markup is drawn as
// rich text, so "<b>Bold.rom" reads "Bold.rom".
QString drawnAutoText(const QString& text);

// The controls inside `area` (a page, a band, a window) that are not whole and visible: cut by
// the edge of `area` or of a parent, squeezed below the size they need to draw their text, or
// hidden behind a scroll bar. Each is named "objectName (class): reason". Empty when every
// control shows whole.
QStringList controlsNotWhole(const QWidget& area);

}  // namespace vorlent::testing
