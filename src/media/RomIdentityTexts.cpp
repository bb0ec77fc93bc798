#include "media/RomIdentityTexts.h"

#include "feedback/ControlCharacters.h"
#include "media/MenuCaptions.h"

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
         "\" を読み込めません: " + withControlsMarked(reason);
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
