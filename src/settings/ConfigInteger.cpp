// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ConfigInteger.h"

#include <climits>

namespace vorlent {

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

}  // namespace

std::optional<int> parseConfigInteger(std::string_view line) {
  std::size_t at = 0;
  while (at < line.size() && line[at] == ' ') {
    ++at;
  }
  bool negative = false;
  if (at < line.size() && (line[at] == '-' || line[at] == '+')) {
    negative = line[at] == '-';
    ++at;
  }
  int base = 10;
  if (at < line.size() && (line[at] == '$' || line[at] == 'x' || line[at] == 'X')) {
    base = 16;
    ++at;
  }
  if (at == line.size()) {
    return std::nullopt;
  }
  // Accumulated as a magnitude, so that INT_MIN itself is in range.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; at < line.size(); ++at) {
    const int digit = digitValue(line[at]);
    if (digit >= base) {
      return std::nullopt;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > limit) {
      return std::nullopt;
    }
  }
  return static_cast<int>(negative ? -magnitude : magnitude);
}

}  // namespace vorlent
