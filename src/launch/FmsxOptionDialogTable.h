// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "launch/FmsxOptions.h"
#include "launch/OptionControl.h"

namespace vorlent {

// The fMSX MS-DOS option dialog: its window, its pages and one control per field of FmsxOptions.
const OptionDialogTable<FmsxOptions>& fmsxOptionDialogTable();

}  // namespace vorlent
