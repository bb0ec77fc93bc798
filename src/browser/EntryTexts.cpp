#include "browser/EntryTexts.h"

#include <algorithm>
#include <charconv>

namespace vorlent {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

void appendTwoDigits(std::string& text, int value) {
  text += static_cast<char>('0' + value / 10 % 10);
  text += static_cast<char>('0' + value % 10);
}

// The length of the well-formed UTF-8 sequence at the start of the text, or 0.
std::size_t utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) {
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong forms
    high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

bool isControl(std::string_view sequence) {
  const auto lead = static_cast<unsigned char>(sequence[0]);
  if (sequence.size() == 1) {
    return lead < 0x20 || lead == 0x7F;
  }
  // U+0080 to U+009F
  return sequence.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
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

std::string displayName(std::string_view rawName) {
  const bool plainAscii = std::all_of(rawName.begin(), rawName.end(), [](char c) {
    return static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
  });
  if (plainAscii) {
    return std::string(rawName);
  }
  std::string shown;
  shown.reserve(rawName.size());
  while (!rawName.empty()) {
    const std::size_t length = utf8SequenceLength(rawName);
    if (length == 0) {
      shown += kReplacementCharacter;
      rawName.remove_prefix(1);
      continue;
    }
    const std::string_view sequence = rawName.substr(0, length);
    if (isControl(sequence)) {
      shown += kReplacementCharacter;
    } else {
      shown += sequence;
    }
    rawName.remove_prefix(length);
  }
  return shown;
}

std::string_view extensionOfName(std::string_view name) {
  const auto dot = name.find_last_of('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

}  // namespace vorlent
