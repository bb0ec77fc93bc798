// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// Qt's own texts in Japanese: its file dialogs, their questions and the standard buttons. The
// translation is looked for in the "translations" folder beside the program (the Windows
// package), then where Qt keeps its translations. False when none was found; Qt then speaks
// English.
bool translateQtTexts();

}  // namespace vorlent
