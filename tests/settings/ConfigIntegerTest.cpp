// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "settings/ConfigInteger.h"

namespace vorlent {
namespace {

TEST(ConfigIntegerTest, AcceptsBlanksASignAndHexadecimalAndNothingElse) {
  struct Case {
    const char* line;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"17", 17},
      {"-1", -1},
      {"+5", 5},
      {"   42", 42},
      {" -7", -7},
      {"007", 7},
      {"$1F", 31},
      {"x10", 16},
      {"X10", 16},
      {"-$10", -16},
      {" +xff", 255},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"$7FFFFFFF", INT_MAX},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"+-1", std::nullopt},
      {"12 ", std::nullopt},
      {"12\r", std::nullopt},
      {"1 2", std::nullopt},
      {"\t1", std::nullopt},
      {"0x10", std::nullopt},
      {"$G", std::nullopt},
      {"1F", std::nullopt},
      {"abc", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$80000000", std::nullopt},
      {"99999999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseConfigInteger(c.line), c.value) << '"' << c.line << '"';
  }
}

}  // namespace
}  // namespace vorlent
