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

}  // namespace vorlent
