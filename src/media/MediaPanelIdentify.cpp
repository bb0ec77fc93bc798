// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/MediaPanel.h"
#include "media/MediaSelection.h"
#include "media/RomIdentityTexts.h"
#include "platform/Failure.h"

namespace vorlent {

void MediaPanel::IdentifyCartridge(CartridgeSlot slot, SoftwareDatabaseSource& database) {
  Cartridge& cartridge = state_.slots[indexOf(slot)];
  if (cartridge.path.empty()) {
    return;
  }
  const SoftwareDatabase* known = database.database();
  if (known == nullptr) {
    feedback_.showStatus(database.path().empty()
                             ? std::string(noSoftwareDatabaseText())
                             : softwareDatabaseFailedText(database.path(), database.problem()));
    return;
  }
  RomIdentity identity;
  try {
    identity = database.identify(cartridge.path, *known);
  } catch (const Failure&) {
    feedback_.showStatus(slotUnreadableRomText(slot));
    return;
  }
  if (identity.dump == nullptr) {
    feedback_.showStatus(slotUnknownRomText(slot));
    return;
  }
  const std::string& title = identity.dump->software->title;
  if (identity.advice.kind == RomTypeKind::Plain) {
    feedback_.showStatus(slotPlainRomText(slot, title));
    return;
  }
  const std::optional<int> code = identity.advice.codeFor(state_.activeEmulator);
  if (!code) {
    feedback_.showStatus(slotNoMapperItemText(slot, title, identity.dump->type, identity.advice,
                                              state_.activeEmulator));
    return;
  }
  panel_.slots[indexOf(slot)].mapperChoice = *code - kFirstMapperCode;
  cartridge.mapper = *code;
  feedback_.showStatus(
      slotRetypedText(slot, title, mapperItemCaption(state_.activeEmulator, *code)));
  feedback_.playSoundCue(SoundCue::Set);
}

void MediaPanel::ShowRomInformation(const FileList& list, SoftwareDatabaseSource& database) {
  const FileListEntry* entry = singleSelectedEntry(list);
  if (entry == nullptr || mediumKindOfPath(entry->fullPath, pathStyle_) != MediumKind::Cartridge) {
    return;
  }
  const SoftwareDatabase* known = database.database();
  if (known == nullptr) {
    feedback_.showMessageBox(MessageKind::Plain,
                             database.path().empty()
                                 ? std::string(noSoftwareDatabaseText())
                                 : softwareDatabaseFailedText(database.path(), database.problem()));
    return;
  }
  try {
    feedback_.showMessageBox(MessageKind::Plain,
                             romInformationText(database.identify(entry->fullPath, *known)));
  } catch (const Failure& failure) {
    feedback_.showMessageBox(MessageKind::Plain, romUnreadableText(entry->caption, failure.what()));
  }
}

}  // namespace vorlent
