// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "media/MediaPanel.h"
#include "media/MediaPanelView.h"
#include "support/RecordingFeedback.h"
#include "support/TempFolder.h"

namespace vorlent {
namespace {

using testing::RecordingFeedback;
using testing::TempFolder;

// Short forms that differ visibly from the full path; a name holding "noshort" has none.
class FakeShortPaths final : public ShortPaths {
 public:
  std::optional<std::string> shortForm(std::string_view fullPath) override {
    if (fullPath.find("noshort") != std::string_view::npos) return std::nullopt;
    return "/short" + std::string(fullPath);
  }
};

class MediaPanelTest : public ::testing::Test {
 protected:
  // Lists the given files of the folder (created as empty files unless the name ends in "/")
  // and selects and focuses the entries at the given positions.
  void list(const std::vector<std::string>& names, std::vector<std::size_t> selected = {0}) {
    std::vector<FileListEntry> entries;
    for (const std::string& name : names) {
      FileListEntry entry;
      entry.caption = std::filesystem::path(name).filename().string();
      entry.fullPath = folder.at(name);
      if (name.back() != '/') folder.write(name);
      entries.push_back(entry);
    }
    files.assign(std::move(entries));
    for (const std::size_t index : selected) files.setSelected(index, true);
    if (!selected.empty()) files.setFocused(selected.front());
  }

  void select(const std::string& name) { list({name}); }

  // The short form a mount stores for a listed name.
  std::string path(const std::string& name) const { return "/short" + folder.at(name); }
  MediaPanelView view() const { return mediaPanelView(state, panel); }

  TempFolder folder;
  LauncherState state;
  MediaPanelState panel;
  RecordingFeedback feedback;
  FakeShortPaths shortPaths;
  FileList files;
  MediaPanel media{state, panel, feedback, shortPaths, PathStyle::Posix};
};

TEST_F(MediaPanelTest, CartridgeMountsOnlyASingleFocusedRomEntry) {
  struct Case {
    const char* what;
    std::vector<std::string> names;
    std::vector<std::size_t> selected;
    bool focus;
    bool mounts;
  };
  const Case cases[] = {
      {"upper-case extension", {"GAME.ROM"}, {0}, true, true},
      {"lower-case extension", {"game.rom"}, {0}, true, true},
      {"extension of the last component only", {"game.rom.bak"}, {0}, true, false},
      {"dotless file in a folder named like a rom", {"SET.ROM/file"}, {0}, true, false},
      {"nothing selected", {"game.rom"}, {}, true, false},
      {"two selected", {"a.rom", "b.rom"}, {0, 1}, true, false},
      {"selected but nothing focused", {"game.rom"}, {0}, false, false},
      {"line feed in the path", {"bad\nname.rom"}, {0}, true, false},
      {"carriage return in the path", {"bad\rname.rom"}, {0}, true, false},
      {"no short form", {"noshort.rom"}, {0}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state = {};
    panel = {};
    feedback = {};
    list(c.names, c.selected);
    if (!c.focus) files.setFocused(std::nullopt);
    media.MountCartridge(files, CartridgeSlot::Slot1);
    if (c.mounts) {
      EXPECT_EQ(state.slots[0].path, path(c.names[0]));
      EXPECT_EQ(state.slots[0].mapper, 17);
      EXPECT_EQ(feedback.sounds, std::vector<std::string>{"sound/set.wav"});
    } else {
      EXPECT_EQ(state, LauncherState{});
      EXPECT_EQ(panel, MediaPanelState{});
      EXPECT_TRUE(feedback.events.empty());
    }
  }
}

TEST_F(MediaPanelTest, ADiskWithoutShortFormCountsAsAnotherExtension) {
  select("A.dsk");
  media.MountDisk(files, DiskDrive::Drive1);
  select("noshort.dsk");
  feedback = {};
  media.MountDisk(files, DiskDrive::Drive1);
  EXPECT_EQ(state.drives[0].path, path("A.dsk"));
  EXPECT_EQ(state.drives[0].list[0], path("A.dsk"));
  EXPECT_EQ(state.drives[0].list[1], "");
  EXPECT_TRUE(feedback.events.empty());
}

TEST_F(MediaPanelTest, MountingIntoAFilledSlotReplacesItWithTheMountMessageOnly) {
  select("A.ROM");
  media.MountCartridge(files, CartridgeSlot::Slot2);
  media.ChooseMapperType(FileList{}, CartridgeSlot::Slot2, 4);
  select("B.rom");
  feedback = {};
  media.MountCartridge(files, CartridgeSlot::Slot2);
  EXPECT_EQ(state.slots[1].path, path("B.rom"));
  EXPECT_EQ(state.slots[1].mapper, 11);
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"status: スロット２に \"B.rom\" を挿入しました。",
                                      "sound: sound/set.wav"}));
  const SlotView slot = view().slots[1];
  EXPECT_EQ(slot.medium.tooltip, "B.rom");
  EXPECT_EQ(slot.medium.buttonIcon, 11);
  EXPECT_EQ(slot.medium.nameItem, (NameItemView{path("B.rom"), 11}));
  EXPECT_TRUE(slot.medium.ejectEnabled);
  EXPECT_EQ(slot.checkedMapperType, 4);
}

TEST_F(MediaPanelTest, ChoosingAMapperTypeRetypesOrMountsAsTheSelectionAllows) {
  // Slot 1 holds A.ROM with code 17; nothing is selected: only the code changes, silently.
  select("A.ROM");
  media.MountCartridge(files, CartridgeSlot::Slot1);
  feedback = {};
  media.ChooseMapperType(FileList{}, CartridgeSlot::Slot1, 3);
  EXPECT_EQ(state.slots[0].path, path("A.ROM"));
  EXPECT_EQ(state.slots[0].mapper, 10);
  EXPECT_EQ(view().slots[0].medium.buttonIcon, 10);
  EXPECT_EQ(view().slots[0].medium.nameItem.icon, 10);
  EXPECT_TRUE(feedback.events.empty());

  // B.ROM selected: the choice puts it into slot 1 with that type.
  select("B.ROM");
  media.ChooseMapperType(files, CartridgeSlot::Slot1, 0);
  EXPECT_EQ(state.slots[0].path, path("B.ROM"));
  EXPECT_EQ(state.slots[0].mapper, 7);
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"status: スロット１に \"B.ROM\" を挿入しました。",
                                      "sound: sound/set.wav"}));

  // An empty slot only moves the check mark; the next mount records it.
  feedback = {};
  media.ChooseMapperType(FileList{}, CartridgeSlot::Slot2, 2);
  EXPECT_EQ(state.slots[1].mapper, kNoCartridge);
  EXPECT_EQ(view().slots[1].checkedMapperType, 2);
  EXPECT_TRUE(feedback.events.empty());
  select("C.rom");
  media.MountCartridge(files, CartridgeSlot::Slot2);
  EXPECT_EQ(state.slots[1].mapper, 9);

  // Positions outside the eleven types are ignored.
  const LauncherState before = state;
  media.ChooseMapperType(files, CartridgeSlot::Slot2, 11);
  media.ChooseMapperType(files, CartridgeSlot::Slot2, -1);
  EXPECT_EQ(state, before);
  EXPECT_EQ(panel.slots[1].mapperChoice, 2);
}

TEST_F(MediaPanelTest, EjectingACartridgeKeepsTheMapperChoice) {
  media.ChooseMapperType(FileList{}, CartridgeSlot::Slot1, 4);
  select("game.rom");
  media.MountCartridge(files, CartridgeSlot::Slot1);
  feedback = {};
  media.EjectCartridge(CartridgeSlot::Slot1);
  EXPECT_EQ(state.slots[0].path, "");
  EXPECT_EQ(state.slots[0].mapper, kNoCartridge);
  EXPECT_EQ(feedback.events, std::vector<std::string>{"status: スロット１を解除しました。"});
  const SlotView slot = view().slots[0];
  EXPECT_EQ(slot.medium.buttonIcon, kEmptySlotIcon);
  EXPECT_EQ(slot.medium.nameItem, (NameItemView{"", kNoIcon}));
  EXPECT_EQ(slot.medium.tooltip, "");
  EXPECT_FALSE(slot.medium.ejectEnabled);
  media.MountCartridge(files, CartridgeSlot::Slot1);
  EXPECT_EQ(state.slots[0].mapper, 11);

  feedback = {};
  media.EjectCartridge(CartridgeSlot::Slot2);
  EXPECT_EQ(feedback.events, std::vector<std::string>{"status: スロット２を解除しました。"});
}

TEST_F(MediaPanelTest, TenDisksLeaveTheLastNineNewestFirst) {
  for (int i = 0; i < 10; ++i) {
    select("d" + std::to_string(i) + ".dsk");
    media.MountDisk(files, DiskDrive::Drive1);
  }
  for (int position = 0; position < kDiskListLength; ++position) {
    EXPECT_EQ(state.drives[0].list[static_cast<std::size_t>(position)],
              path("d" + std::to_string(9 - position) + ".dsk"));
  }
  EXPECT_EQ(state.drives[1].list, DiskList{});
}

TEST_F(MediaPanelTest, ADiskInsertedAgainKeepsItsPlaceInTheList) {
  select("A.dsk");
  media.MountDisk(files, DiskDrive::Drive1);
  select("B.dsk");
  media.MountDisk(files, DiskDrive::Drive1);
  select("A.dsk");
  feedback = {};
  media.MountDisk(files, DiskDrive::Drive1);
  EXPECT_EQ(state.drives[0].path, path("A.dsk"));
  EXPECT_EQ(state.drives[0].list[0], path("B.dsk"));
  EXPECT_EQ(state.drives[0].list[1], path("A.dsk"));
  EXPECT_EQ(state.drives[0].list[2], "");
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"status: ドライブ１に \"A.dsk\" を挿入しました。",
                                      "sound: sound/set.wav"}));
  const DriveView drive = view().drives[0];
  EXPECT_EQ(drive.medium.buttonIcon, kInsertedMediumIcon);
  EXPECT_EQ(drive.medium.tooltip, "A.dsk");
  EXPECT_TRUE(drive.medium.ejectEnabled);
  EXPECT_EQ(drive.diskList[1], (DiskListItemView{path("A.dsk"), true}));
  EXPECT_EQ(drive.diskList[2], (DiskListItemView{"", false}));
}

TEST_F(MediaPanelTest, ANonDiskSelectionStillRecordsTheDrivesPath) {
  select("A.dsk");
  media.MountDisk(files, DiskDrive::Drive1);
  feedback = {};
  media.ClearDiskList(DiskDrive::Drive1);
  EXPECT_EQ(feedback.events, (std::vector<std::string>{"status: ドライブ１の一覧を消去しました。",
                                                       "sound: sound/reset.wav"}));
  EXPECT_EQ(state.drives[0].path, path("A.dsk"));

  select("game.rom");
  feedback = {};
  media.MountDisk(files, DiskDrive::Drive1);
  EXPECT_EQ(state.drives[0].path, path("A.dsk"));
  EXPECT_EQ(state.drives[0].list[0], path("A.dsk"));
  EXPECT_TRUE(feedback.events.empty());

  // Without a single selection nothing happens, the list included.
  media.ClearDiskList(DiskDrive::Drive1);
  files.clearSelection();
  media.MountDisk(files, DiskDrive::Drive1);
  EXPECT_EQ(state.drives[0].list, DiskList{});
}

TEST_F(MediaPanelTest, ThePcDriveMarkerIsRecordedAndPickedBack) {
  feedback = {};
  media.MountPcDriveA();
  EXPECT_EQ(state.drives[0].path, "Select A:Drive[PC]");
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"status: ドライブ１にA:ドライブをマウントしました。",
                                      "sound: sound/set.wav"}));
  EXPECT_EQ(view().drives[0].medium.buttonIcon, kInsertedMediumIcon);
  EXPECT_EQ(view().drives[0].medium.tooltip, "Select A:Drive[PC]");
  EXPECT_EQ(state.drives[0].list, DiskList{});

  select("notes.txt");
  media.MountDisk(files, DiskDrive::Drive1);
  EXPECT_EQ(state.drives[0].list[0], "Select A:Drive[PC]");
  media.EjectDisk(DiskDrive::Drive1);

  feedback = {};
  media.PickListedDisk(DiskDrive::Drive1, 1);
  EXPECT_EQ(state.drives[0].path, "Select A:Drive[PC]");
  EXPECT_EQ(panel.drives[0].name, "Drive[PC]");
  EXPECT_EQ(feedback.events,
            std::vector<std::string>{"status: ドライブ１に \"Drive[PC]\" を挿入しました。"});
}

TEST_F(MediaPanelTest, AFullListWithAnEmptyDrivePushesAnEmptyEntry) {
  for (int i = 0; i < 9; ++i) {
    select("d" + std::to_string(i) + ".dsk");
    media.MountDisk(files, DiskDrive::Drive2);
  }
  media.EjectDisk(DiskDrive::Drive2);
  const DiskList full = state.drives[1].list;
  select("game.cas");
  media.MountDisk(files, DiskDrive::Drive2);
  EXPECT_EQ(state.drives[1].list[0], "");
  EXPECT_FALSE(view().drives[1].diskList[0].visible);
  EXPECT_TRUE(std::equal(full.begin(), full.end() - 1, state.drives[1].list.begin() + 1));

  // With a free position the empty text is already there and nothing moves.
  const DiskList withFreePosition = state.drives[1].list;
  media.MountDisk(files, DiskDrive::Drive2);
  EXPECT_EQ(state.drives[1].list, withFreePosition);
}

TEST_F(MediaPanelTest, PickingAndEjectingLeaveTheListAlone) {
  select("A.dsk");
  media.MountDisk(files, DiskDrive::Drive2);
  feedback = {};
  media.EjectDisk(DiskDrive::Drive2);
  EXPECT_EQ(feedback.events, std::vector<std::string>{"status: ドライブ２を解除しました。"});
  EXPECT_EQ(view().drives[1].medium.buttonIcon, kEmptyDriveIcon);
  EXPECT_FALSE(view().drives[1].medium.ejectEnabled);
  EXPECT_EQ(state.drives[1].list[0], path("A.dsk"));

  feedback = {};
  media.PickListedDisk(DiskDrive::Drive2, 1);
  EXPECT_EQ(state.drives[1].path, path("A.dsk"));
  EXPECT_EQ(panel.drives[1].name, "A.dsk");
  EXPECT_EQ(feedback.events,
            std::vector<std::string>{"status: ドライブ２に \"A.dsk\" を挿入しました。"});
  EXPECT_TRUE(view().drives[1].medium.ejectEnabled);

  // Empty positions and positions outside 1 to 9 do nothing.
  feedback = {};
  media.PickListedDisk(DiskDrive::Drive2, 2);
  media.PickListedDisk(DiskDrive::Drive2, 0);
  media.PickListedDisk(DiskDrive::Drive2, 10);
  EXPECT_TRUE(feedback.events.empty());

  feedback = {};
  media.EjectDisk(DiskDrive::Drive1);
  EXPECT_EQ(feedback.events, std::vector<std::string>{"status: ドライブ１を解除しました。"});
  feedback = {};
  media.ClearDiskList(DiskDrive::Drive2);
  EXPECT_EQ(feedback.events, (std::vector<std::string>{"status: ドライブ２の一覧を消去しました。",
                                                       "sound: sound/reset.wav"}));
  EXPECT_EQ(state.drives[1].path, path("A.dsk"));
}

TEST_F(MediaPanelTest, TapeMountsOnlyCasFiles) {
  select("song.rom");
  media.MountTape(files);
  EXPECT_EQ(state.tapePath, "");
  EXPECT_TRUE(feedback.events.empty());
  select("Song.CAS");
  media.MountTape(files);
  EXPECT_EQ(state.tapePath, path("Song.CAS"));
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"status: テープに \"Song.CAS\" を挿入しました。",
                                      "sound: sound/set.wav"}));
  EXPECT_EQ(view().tape.buttonIcon, kInsertedMediumIcon);
  EXPECT_EQ(view().tape.tooltip, "Song.CAS");
  feedback = {};
  media.EjectTape();
  EXPECT_EQ(feedback.events, std::vector<std::string>{"status: テープを解除しました。"});
  EXPECT_EQ(view().tape.buttonIcon, kNoTapeIcon);
  EXPECT_FALSE(view().tape.ejectEnabled);
}

TEST_F(MediaPanelTest, EjectAllEmptiesEveryMediumWithOneMessageAndOneCue) {
  media.ChooseMapperType(FileList{}, CartridgeSlot::Slot2, 1);
  select("a.rom");
  media.MountCartridge(files, CartridgeSlot::Slot1);
  media.MountCartridge(files, CartridgeSlot::Slot2);
  select("a.dsk");
  media.MountDisk(files, DiskDrive::Drive1);
  media.MountDisk(files, DiskDrive::Drive2);
  select("a.cas");
  media.MountTape(files);
  feedback = {};
  media.EjectAllMedia();
  EXPECT_EQ(feedback.events, (std::vector<std::string>{"status: 全イメージを解除しました。",
                                                       "sound: sound/reset.wav"}));
  LauncherState expected;
  expected.drives[0].list[0] = path("a.dsk");
  expected.drives[1].list[0] = path("a.dsk");
  EXPECT_EQ(state, expected);
  MediaPanelState expectedPanel;
  expectedPanel.slots[1].mapperChoice = 1;
  EXPECT_EQ(panel, expectedPanel);
}

TEST_F(MediaPanelTest, TheEmulatorSwitchRenamesTheMapperItemsAndGatesDriveTwo) {
  media.ChooseMapperType(FileList{}, CartridgeSlot::Slot1, 5);
  select("a.rom");
  media.MountCartridge(files, CartridgeSlot::Slot1);
  select("a.dsk");
  media.MountDisk(files, DiskDrive::Drive2);

  feedback = {};
  media.SelectEmulator(EmulatorKind::Brmsx);
  EXPECT_EQ(feedback.events,
            std::vector<std::string>{"panel 2: 只今、「BRMSX 2.6(MS-DOS)」モードです"});
  MediaPanelView shown = view();
  EXPECT_EQ(shown.modePanelText, "只今、「BRMSX 2.6(MS-DOS)」モードです");
  EXPECT_EQ(shown.slots[0].mapperCaptions[5], "ASCII 8kB with 8kB SRAM");
  EXPECT_EQ(shown.slots[1].mapperCaptions[0], "Generic MegaROM with SCC");
  EXPECT_FALSE(shown.drives[1].medium.buttonEnabled);
  EXPECT_TRUE(shown.drives[0].medium.buttonEnabled);

  feedback = {};
  media.SelectEmulator(EmulatorKind::Fmsx);
  shown = view();
  EXPECT_EQ(state.activeEmulator, EmulatorKind::Fmsx);
  EXPECT_EQ(feedback.events.size(), 1U);
  EXPECT_EQ(shown.modePanelText, "只今、「fMSX MS-DOS 1.6b2.a」モードです");
  EXPECT_EQ(shown.slots[0].mapperCaptions[0], "Konami 8kB");
  EXPECT_EQ(shown.slots[0].mapperCaptions[5], "ASCII 8kB");
  EXPECT_EQ(shown.slots[0].mapperCaptions[10], "NO USED(Konami 8kB)");
  EXPECT_EQ(state.slots[0].mapper, 12);
  EXPECT_TRUE(shown.drives[1].medium.buttonEnabled);

  media.SelectEmulator(EmulatorKind::Brmsx);
  EXPECT_EQ(state.drives[1].path, path("a.dsk"));
  EXPECT_FALSE(view().drives[1].medium.buttonEnabled);
}

TEST_F(MediaPanelTest, ModelAndResolutionMenusAreIndependentRadioGroups) {
  media.SelectModel(EmulatorKind::Fmsx, 2);
  EXPECT_EQ(state.fmsxModel, 2);
  EXPECT_EQ(state.brmsxModel, 0);
  media.SelectResolution(EmulatorKind::Brmsx, 9);
  media.SelectResolution(EmulatorKind::Fmsx, 3);
  const LauncherState chosen = state;
  media.SelectModel(EmulatorKind::Brmsx, 3);
  media.SelectResolution(EmulatorKind::Fmsx, 4);
  media.SelectResolution(EmulatorKind::Brmsx, 10);
  media.SelectResolution(EmulatorKind::Brmsx, -1);
  EXPECT_EQ(state, chosen);
  const MediaPanelView shown = view();
  EXPECT_EQ(shown.fmsxModelItem, 2);
  EXPECT_EQ(shown.brmsxModelItem, 0);
  EXPECT_EQ(shown.fmsxResolutionItem, 3);
  EXPECT_EQ(shown.brmsxResolutionItem, 9);
  EXPECT_TRUE(feedback.events.empty());
}

TEST(MediaPanelViewTest, ButtonIconsFollowTheState) {
  struct Case {
    const char* path;
    int code;
    int icon;
  };
  const Case cases[] = {
      {"", kNoCartridge, kEmptySlotIcon},
      {"/a.rom", kNoCartridge, kSlotWithoutCodeIcon},
      {"/a.rom", 7, 7},
      {"/a.rom", 17, 17},
      {"/a.rom", 25, 25},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(slotButtonIcon(c.path, c.code), c.icon) << c.path << " " << c.code;
  }

  LauncherState state;
  MediaPanelState panel;
  MediaPanelView fresh = mediaPanelView(state, panel);
  EXPECT_EQ(fresh.drives[0].medium.buttonIcon, kEmptyDriveIcon);
  EXPECT_EQ(fresh.tape.buttonIcon, kNoTapeIcon);
  EXPECT_EQ(fresh.slots[0].checkedMapperType, 10);
  EXPECT_EQ(fresh.fmsxModelItem, 1);
  EXPECT_EQ(fresh.brmsxExeIcon, kUnknownExecutableIcon);
  for (const DiskListItemView& item : fresh.drives[1].diskList) EXPECT_FALSE(item.visible);

  panel.executables.brmsx = true;
  state.drives[0].path = "/x.dsk";
  fresh = mediaPanelView(state, panel);
  EXPECT_EQ(fresh.brmsxExeIcon, kKnownExecutableIcon);
  EXPECT_EQ(fresh.fmsxExeIcon, kUnknownExecutableIcon);
  EXPECT_EQ(fresh.drives[0].medium.nameItem, (NameItemView{"/x.dsk", kNoIcon}));
}

}  // namespace
}  // namespace vorlent
