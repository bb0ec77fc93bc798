// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vorlent {

// The one question asked before a request sends its sources to the trash: the source itself
// when there is one, else how many there are.
std::string trashQuestion(const std::vector<std::string>& sources);

}  // namespace vorlent
