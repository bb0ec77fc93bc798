// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/RomIdentityTexts.h"

#include "media/MenuCaptions.h"
#include "platform/ControlCharacters.h"

namespace vorlent {

namespace {

std::string_view slotName(CartridgeSlot slot) {
  return slot == CartridgeSlot::Slot1 ? "スロット１" : "スロット２";
}

std::string slotHolds(CartridgeSlot slot, std::string_view title) {
  return std::string(slotName(slot)) + "は \"" + withControlsMarked(title) + "\" です。";
}

std::string_view emulatorName(EmulatorKind emulator) {
  return emulator == EmulatorKind::Fmsx ? "fMSX" : "brMSX";
}

// What the box says an emulator would use for the dump.
std::string itemFor(const RomIdentity& identity, EmulatorKind emulator) {
  if (identity.advice.kind == RomTypeKind::Plain) {
    return "マッパー不要";
  }
  const std::optional<int> code = identity.advice.codeFor(emulator);
  return code ? std::string(mapperItemCaption(emulator, *code)) : "対応する項目なし";
}

// A field of the database as the box shows it: its control characters as visible marks.
std::string orDash(std::string_view text) { return text.empty() ? "-" : withControlsMarked(text); }

// The number that follows the marker in the text, empty when none does.
std::string numberAfter(std::string_view text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string_view::npos) {
    return {};
  }
  const std::size_t start = at + marker.size();
  std::size_t end = start;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
    ++end;
  }
  return std::string(text.substr(start, end - start));
}

// The loader gives its reasons in English, as the command line tool shows them; the window
// says them in Japanese, each kind found by its words, with its line number and limit kept.
// A reason of no known kind (a file's failure, already Japanese) is shown as it is.
std::string databaseReasonText(std::string_view reason) {
  struct Kind {
    std::string_view words;
    std::string_view before;  // the number after the words goes between the two
    std::string_view after;
  };
  static constexpr Kind kKinds[] = {
      {"entity declarations", "実体の宣言は受け付けません", ""},
      {"nested deeper than ", "要素の入れ子が ", " 段より深いため受け付けません"},
      {"longer than ", "", " バイトより長いテキストがあるため受け付けません"},
      {"not a software database",
       "ソフトウェアデータベースではありません (ルート要素が <softwaredb> "
       "ではありません)",
       ""},
      {"not enough memory", "読み込むためのメモリが足りません", ""},
      {"no database file", "データベースのファイルが見つかりません", ""},
      {"mismatched tag", "開始タグと終了タグが合っていません", ""},
      {"no element found", "要素が閉じないまま終わっています", ""},
      {"invalid token", "使えない文字や記号があります", ""},
      {"unclosed token", "閉じていない記述があります", ""},
      {"junk after document element", "ルート要素の後に余分な記述があります", ""},
      {"undefined entity", "定義されていない実体を参照しています", ""},
      {"syntax error", "構文が正しくありません", ""},
  };
  std::string detail;
  for (const Kind& kind : kKinds) {
    if (reason.find(kind.words) != std::string_view::npos) {
      detail = std::string(kind.before) + numberAfter(reason, kind.words) + std::string(kind.after);
      break;
    }
  }
  const std::string line = numberAfter(reason, "line ");
  if (!line.empty()) {
    detail = line + " 行目" + (detail.empty() ? "" : ": " + detail);
  }
  if (reason.find("XML") != std::string_view::npos) {
    return "XML の書式が正しくありません" + (detail.empty() ? "" : " (" + detail + ")");
  }
  return detail.empty() ? std::string(reason) : detail;
}

}  // namespace

std::string slotRetypedText(CartridgeSlot slot, std::string_view title,
                            std::string_view mapperCaption) {
  return slotHolds(slot, title) + "マッパーを " + std::string(mapperCaption) + " にしました。";
}

std::string slotNoMapperItemText(CartridgeSlot slot, std::string_view title,
                                 std::string_view databaseType, const MapperAdvice& advice,
                                 EmulatorKind emulator) {
  const EmulatorKind other =
      emulator == EmulatorKind::Fmsx ? EmulatorKind::Brmsx : EmulatorKind::Fmsx;
  const std::string where =
      advice.codeFor(other) ? std::string(emulatorName(emulator)) + " に" : "brMSX にも fMSX にも";
  return slotHolds(slot, title) + "型 " + withControlsMarked(databaseType) + " に合うマッパーが " +
         where + "ありません。";
}

std::string slotPlainRomText(CartridgeSlot slot, std::string_view title) {
  return slotHolds(slot, title) + "マッパーの要らない ROM です。";
}

std::string_view slotUnknownRomText(CartridgeSlot slot) {
  return slot == CartridgeSlot::Slot1 ? "スロット１の ROM はデータベースにありません。"
                                      : "スロット２の ROM はデータベースにありません。";
}

std::string_view slotUnreadableRomText(CartridgeSlot slot) {
  return slot == CartridgeSlot::Slot1 ? "スロット１の ROM を読み込めません。"
                                      : "スロット２の ROM を読み込めません。";
}

std::string_view noSoftwareDatabaseText() {
  return "ソフトウェアデータベース (softwaredb.xml) が見つかりません。";
}

std::string softwareDatabaseFailedText(std::string_view path, std::string_view reason) {
  return "ソフトウェアデータベース \"" + withControlsMarked(path) +
         "\" を読み込めません: " + withControlsMarked(databaseReasonText(reason));
}

std::string romUnreadableText(std::string_view name, std::string_view failure) {
  return "\"" + withControlsMarked(name) + "\" を読み込めません。\n" + std::string(failure);
}

std::string_view mapperItemCaption(EmulatorKind emulator, int code) {
  const int type = code - kFirstMapperCode;
  if (type < 0 || type >= static_cast<int>(kBrmsxMapperNames.size())) {
    return {};
  }
  const auto& names = emulator == EmulatorKind::Fmsx ? kFmsxMapperNames : kBrmsxMapperNames;
  return names[static_cast<std::size_t>(type)];
}

std::string romInformationText(const RomIdentity& identity) {
  if (identity.dump == nullptr) {
    return "データベースにありません\nSHA-1: " + identity.sha1;
  }
  const SoftwareTitle& software = *identity.dump->software;
  return "タイトル: " + orDash(software.title) + "\n会社: " + orDash(software.company) +
         "\n年: " + orDash(software.year) + "\n国: " + orDash(software.country) +
         "\nシステム: " + orDash(software.system) +
         "\nデータベースの型: " + orDash(identity.dump->type) +
         "\nbrMSX: " + itemFor(identity, EmulatorKind::Brmsx) +
         "\nfMSX: " + itemFor(identity, EmulatorKind::Fmsx) + "\nSHA-1: " + identity.sha1;
}

}  // namespace vorlent
