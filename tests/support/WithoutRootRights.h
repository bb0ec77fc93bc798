// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <functional>

namespace vorlent::testing {

// Whether a check holds for a user that permissions apply to. Run as root (as CI runs), the
// check runs in a child process that has dropped to the rights of "nobody", since root reads
// through any permission; otherwise it runs in place.
::testing::AssertionResult holdsWithoutRootRights(const std::function<bool()>& check);

}  // namespace vorlent::testing
