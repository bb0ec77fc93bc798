// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileops/EditedName.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/ControlCharacters.h"

namespace vorlent {

namespace {

constexpr std::string_view kMark = "\xEF\xBF\xBD";  // U+FFFD

// One character of a name as shown, with the bytes it stands for.
struct ShownPiece {
  std::string_view bytes;
  std::string shown;
};

// The name cut where its characters meet. A cut there shows the two halves as the whole is
// shown; a cut inside a character shows its bytes as marks of their own, so the halves differ.
// A name is short (255 bytes at most), so trying every cut costs nothing worth noting.
std::vector<ShownPiece> shownPieces(std::string_view name) {
  const std::string whole = withControlsMarked(name);
  std::vector<ShownPiece> pieces;
  std::size_t start = 0;
  std::string shownBefore;
  for (std::size_t cut = 1; cut <= name.size(); ++cut) {
    std::string before = withControlsMarked(name.substr(0, cut));
    if (cut < name.size() && before + withControlsMarked(name.substr(cut)) != whole) {
      continue;
    }
    pieces.push_back({name.substr(start, cut - start), before.substr(shownBefore.size())});
    start = cut;
    shownBefore = std::move(before);
  }
  return pieces;
}

// The answer's characters; it comes from a text field, valid UTF-8.
std::vector<std::string_view> charactersOf(std::string_view text) {
  std::vector<std::string_view> characters;
  std::size_t start = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0u) != 0x80u) {
      characters.push_back(text.substr(start, i - start));
      start = i;
    }
  }
  return characters;
}

}  // namespace

std::optional<std::string> editedNameBytes(std::string_view original, std::string_view answer) {
  const std::vector<ShownPiece> shown = shownPieces(original);
  const std::vector<std::string_view> typed = charactersOf(answer);
  const std::size_t kept = std::min(shown.size(), typed.size());
  std::size_t start = 0;
  while (start < kept && shown[start].shown == typed[start]) {
    ++start;
  }
  std::size_t end = 0;
  while (end < kept && shown[shown.size() - 1 - end].shown == typed[typed.size() - 1 - end]) {
    ++end;
  }
  // Where the unchanged start and end would overlap, the edit may sit at any place between.
  const std::size_t firstPlace = start + end > kept ? kept - end : start;
  std::optional<std::string> meant;
  for (std::size_t place = firstPlace; place <= start; ++place) {
    const std::size_t after = std::min(end, kept - place);
    std::string bytes;
    for (std::size_t i = 0; i < place; ++i) {
      bytes += shown[i].bytes;
    }
    for (std::size_t i = place; i < typed.size() - after; ++i) {
      if (typed[i] == kMark) {
        return std::nullopt;
      }
      bytes += typed[i];
    }
    for (std::size_t i = shown.size() - after; i < shown.size(); ++i) {
      bytes += shown[i].bytes;
    }
    if (meant && *meant != bytes) {
      return std::nullopt;
    }
    meant = std::move(bytes);
  }
  return meant;
}

}  // namespace vorlent
