// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorlent::testing {

// The hostile texts a name, a path or a database title may hold, and what a person is shown
// of each: one U+FFFD for every character that could act on the display and for every byte of
// no UTF-8 character; everything else as written.
struct HostileText {
  const char* raw;
  const char* shown;
};

inline constexpr const char* kMark = "\xEF\xBF\xBD";

inline const HostileText kHostileTexts[] = {
    {"GAME.ROM", "GAME.ROM"},
    {"", ""},
    {"ゲーム.rom", "ゲーム.rom"},
    {"a b~", "a b~"},
    {"nbsp\xC2\xA0 zwj\xE2\x80\x8D", "nbsp\xC2\xA0 zwj\xE2\x80\x8D"},
    {"emoji\xF0\x9F\x8E\xAE", "emoji\xF0\x9F\x8E\xAE"},
    {"tab\there", "tab\xEF\xBF\xBDhere"},
    {"line\nbreak\r",
     "line\xEF\xBF\xBD"
     "break\xEF\xBF\xBD"},
    {"title\x1B]0;x\x07", "title\xEF\xBF\xBD]0;x\xEF\xBF\xBD"},
    {"del\x7F", "del\xEF\xBF\xBD"},
    {"c1\xC2\x80\xC2\x85\xC2\x9B\xC2\x9F", "c1\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    // The line and paragraph separators break a line as a line feed does.
    {"line1\xE2\x80\xA8line2\xE2\x80\xA9", "line1\xEF\xBF\xBDline2\xEF\xBF\xBD"},
    // Overrides, embeddings, isolates and marks reverse or reorder what follows them.
    {"photo\xE2\x80\xAEgnp.exe", "photo\xEF\xBF\xBDgnp.exe"},
    {"\xE2\x80\xAA\xE2\x80\xAB\xE2\x80\xAC\xE2\x80\xAD",
     "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\xE2\x81\xA6\xE2\x81\xA7\xE2\x81\xA8\xE2\x81\xA9",
     "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\xE2\x80\x8E\xE2\x80\x8F\xD8\x9C", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\x82\xA0.rom", "\xEF\xBF\xBD\xEF\xBF\xBD.rom"},  // Shift-JIS bytes
    {"overlong\xC0\xAF", "overlong\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"surrogate\xED\xA0\x80", "surrogate\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"cut\xE3\x81", "cut\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"beyond\xF4\x90\x80\x80", "beyond\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
    {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},
};

}  // namespace vorlent::testing
