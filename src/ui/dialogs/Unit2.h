// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/FmsxOptions.h"
#include "ui/dialogs/OptionDialog.h"

namespace vorlent {

// The fMSX option dialog. It edits the given set, which must outlive it; build it after the
// configuration load so that it shows the loaded options, and open it modally with exec().
class TForm2 : public OptionDialog {
  Q_OBJECT

 public:
  explicit TForm2(FmsxOptions& options, QWidget* parent = nullptr);
};

}  // namespace vorlent
