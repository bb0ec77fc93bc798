// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/BrmsxOptions.h"
#include "ui/dialogs/OptionDialog.h"

namespace vorlent {

// The brMSX option dialog, with a menu whose one item closes it as "閉じる" does. It edits the
// given set, which must outlive it; build it after the configuration load so that it shows the
// loaded options, and open it modally with exec().
class TFormBR : public OptionDialog {
  Q_OBJECT

 public:
  explicit TFormBR(BrmsxOptions& options, QWidget* parent = nullptr);
};

}  // namespace vorlent
