// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/Unit2.h"

#include "launch/FmsxOptionDialogTable.h"

namespace vorlent {

TForm2::TForm2(FmsxOptions& options, QWidget* parent)
    : OptionDialog(fmsxOptionDialogTable(), options, parent) {
  setObjectName(QStringLiteral("Form2"));
}

}  // namespace vorlent
