// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

namespace vorlent {

// Qt reads a single "&" in a button, group or menu caption as the mark of an accelerator and
// draws no "&". Names, paths and the emulators' option texts are no accelerators: each "&" is
// doubled so that it is drawn as it is.
QString literalCaption(std::string_view text);
QString literalCaption(const QString& text);

// A tooltip or label that looks like markup ("<b>Bold.rom") is drawn as rich text. A name
// shows as written: such a text is handed over as rich text that spells it out.
QString plainToolTip(const QString& text);

// A box wraps its text at blanks only: a run of characters without one, longer than a box is
// wide (a title, a path), gets a zero-width break after each character, so that it wraps
// where it must instead of being cut at the box's edge.
QString wrappableText(const QString& text);

}  // namespace vorlent
