// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/BrmsxOptions.h"
#include "launch/OptionControl.h"

namespace vorlent {

// The brMSX option dialog: its window, its pages and one control per field of BrmsxOptions.
const OptionDialogTable<BrmsxOptions>& brmsxOptionDialogTable();

}  // namespace vorlent
