// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent {

// How the file list draws its entries. Not saved; large icons at every start.
enum class ViewStyle { LargeIcons, SmallIcons, List, Details };

}  // namespace vorlent
