// SPDX-License-Identifier: GPL-3.0-or-later
#include "browser/EntryTexts.h"

#include <charconv>

namespace vorlent {

namespace {

void appendTwoDigits(std::string& text, int value) {
  text += static_cast<char>('0' + value / 10 % 10);
  text += static_cast<char>('0' + value % 10);
}

}  // namespace

std::string sizeText(std::uint64_t sizeInBytes) {
  const std::uint64_t kilobytes = sizeInBytes / 1024 + (sizeInBytes % 1024 != 0 ? 1 : 0);
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, kilobytes).ptr;
  const auto count = static_cast<std::size_t>(end - digits);
  std::string text;
  text.reserve(count < 10 ? 12 : count + 2);
  if (count < 10) {
    text.append(10 - count, ' ');
  }
  text.append(digits, count);
  text += "kB";
  return text;
}

std::string timeStampText(const LocalTime& time) {
  std::string text;
  text.reserve(16);
  char year[16];
  const auto end = std::to_chars(year, year + sizeof year, time.year).ptr;
  const auto count = static_cast<std::size_t>(end - year);
  if (count < 4 && time.year >= 0) {
    text.append(4 - count, '0');
  }
  text.append(year, count);
  text += '/';
  appendTwoDigits(text, time.month);
  text += '/';
  appendTwoDigits(text, time.day);
  text += ' ';
  appendTwoDigits(text, time.hour);
  text += ':';
  appendTwoDigits(text, time.minute);
  return text;
}

std::string_view extensionOfName(std::string_view name) {
  const auto dot = name.find_last_of('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

}  // namespace vorlent
