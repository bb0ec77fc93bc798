// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaTexts.h"

#include "platform/ControlCharacters.h"

namespace vorlent {

namespace {

std::string quoted(std::string_view before, std::string_view name, std::string_view after) {
  return std::string(before) + "\"" + withControlsMarked(name) + "\"" + std::string(after);
}

}  // namespace

std::string slotMountedText(CartridgeSlot slot, std::string_view name) {
  return quoted(slot == CartridgeSlot::Slot1 ? "スロット１に " : "スロット２に ", name,
                " を挿入しました。");
}

std::string_view slotEjectedText(CartridgeSlot slot) {
  return slot == CartridgeSlot::Slot1 ? "スロット１を解除しました。" : "スロット２を解除しました。";
}

std::string driveMountedText(DiskDrive drive, std::string_view name) {
  return quoted(drive == DiskDrive::Drive1 ? "ドライブ１に " : "ドライブ２に ", name,
                " を挿入しました。");
}

std::string_view driveEjectedText(DiskDrive drive) {
  return drive == DiskDrive::Drive1 ? "ドライブ１を解除しました。" : "ドライブ２を解除しました。";
}

std::string tapeMountedText(std::string_view name) {
  return quoted("テープに ", name, " を挿入しました。");
}

std::string_view tapeEjectedText() { return "テープを解除しました。"; }

std::string_view pcDriveMountedText() { return "ドライブ１にA:ドライブをマウントしました。"; }

std::string_view diskListClearedText(DiskDrive drive) {
  return drive == DiskDrive::Drive1 ? "ドライブ１の一覧を消去しました。"
                                    : "ドライブ２の一覧を消去しました。";
}

std::string_view allEjectedText() { return "全イメージを解除しました。"; }

std::string emulatorModeText(std::string_view tabCaption) {
  return "只今、「" + std::string(tabCaption) + "」モードです";
}

}  // namespace vorlent
