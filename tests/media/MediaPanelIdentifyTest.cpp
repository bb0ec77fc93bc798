// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "media/MediaPanel.h"
#include "media/MediaPanelView.h"
#include "platform/Sha1Digester.h"
#include "support/FakeFileSystem.h"
#include "support/RecordingFeedback.h"
#include "support/SoftwareDatabaseText.h"

namespace vorlent {
namespace {

using testing::FakeFileSystem;
using testing::RecordingFeedback;
using testing::softwareDatabaseText;

class SameShortPaths final : public ShortPaths {
 public:
  std::optional<std::string> shortForm(std::string_view fullPath) override {
    return std::string(fullPath);
  }
};

// The images of the test database: one per kind of answer, named by their content.
const std::vector<testing::TestSoftware> kSoftware = {
    {"Nemesis \"2\"", "Konami", "1987", "JP", "MSX", {{"", "KonamiSCC"}}},
    {"Save Game", "ASCII", "1988", "JP", "MSX2", {{"", "ASCII8SRAM8"}}},
    {"Shooter", "Irem", "1988", "JP", "MSX", {{"", "R-Type"}}},
    {"Dos", "ASCII", "1989", "JP", "MSX2", {{"", "MSXDOS2"}}},
    {"Small", "", "", "", "MSX", {{"", "page23", false}, {"", "", false}}},
};

class MediaPanelIdentifyTest : public ::testing::Test {
 protected:
  // Identifying reads and never writes.
  void TearDown() override { EXPECT_EQ(files.written, std::vector<std::string>{}); }

  void SetUp() override {
    std::vector<testing::TestSoftware> software = kSoftware;
    for (std::size_t i = 0; i < software.size(); ++i) {
      for (std::size_t d = 0; d < software[i].dumps.size(); ++d) {
        const std::string content = "image" + std::to_string(i) + "." + std::to_string(d);
        folder.write("roms/" + content + ".rom", content);
        software[i].dumps[d].hash = sha1Hex(makeSha1Digester()->digestOf(content));
      }
    }
    folder.write("db/softwaredb.xml", softwareDatabaseText(software));
    folder.write("roms/unknown.rom", "not in the database");
  }

  // Slot 1 holding the image as a mount leaves it, with the mapper choice at its start value.
  void holds(const std::string& image, int code = 17) {
    state.slots[0].path = folder.at("roms/" + image);
    state.slots[0].mapper = code;
    panel.slots[0].name = image;
  }

  // The images and databases, held by the fake file system below one folder.
  struct Folder {
    FakeFileSystem& files;
    std::string at(const std::string& name) const { return "/media/" + name; }
    void write(const std::string& name, std::string bytes) const {
      files.files.insert_or_assign(at(name), std::move(bytes));
    }
  };

  FakeFileSystem files;
  Folder folder{files};
  LauncherState state;
  MediaPanelState panel;
  RecordingFeedback feedback;
  SameShortPaths shortPaths;
  std::unique_ptr<XmlReader> xml = makeXmlReader();
  std::unique_ptr<Sha1Digester> sha1 = makeSha1Digester();
  MediaPanel media{state, panel, feedback, shortPaths, PathStyle::Posix};
  SoftwareDatabaseSource database{{folder.at("db/softwaredb.xml")}, files, *xml, *sha1};
};

TEST_F(MediaPanelIdentifyTest, RetypesTheSlotOnlyWhenTheActiveEmulatorHasTheItem) {
  const struct {
    const char* image;
    EmulatorKind emulator;
    int code;  // after the command; 17 is unchanged
    std::vector<std::string> events;
  } cases[] = {
      {"image0.0.rom",
       EmulatorKind::Brmsx,
       9,
       {"status: スロット１は \"Nemesis \"2\"\" です。マッパーを Konami with SCC にしました。",
        "sound: sound/set.wav"}},
      {"image0.0.rom",
       EmulatorKind::Fmsx,
       9,
       {"status: スロット１は \"Nemesis \"2\"\" です。マッパーを Konami5 8kB にしました。",
        "sound: sound/set.wav"}},
      {"image1.0.rom",
       EmulatorKind::Fmsx,
       12,
       {"status: スロット１は \"Save Game\" です。マッパーを ASCII 8kB にしました。",
        "sound: sound/set.wav"}},
      {"image2.0.rom",
       EmulatorKind::Brmsx,
       17,
       {"status: スロット１は \"Shooter\" です。型 R-Type に合うマッパーが brMSX にも fMSX "
        "にもありません。"}},
      {"image3.0.rom",
       EmulatorKind::Fmsx,
       17,
       {"status: スロット１は \"Dos\" です。型 MSXDOS2 に合うマッパーが fMSX にありません。"}},
      {"image3.0.rom",
       EmulatorKind::Brmsx,
       8,
       {"status: スロット１は \"Dos\" です。マッパーを MSX-DOS 2 にしました。",
        "sound: sound/set.wav"}},
      {"image4.0.rom",
       EmulatorKind::Brmsx,
       17,
       {"status: スロット１は \"Small\" です。マッパーの要らない ROM です。"}},
      {"image4.1.rom",
       EmulatorKind::Fmsx,
       17,
       {"status: スロット１は \"Small\" です。マッパーの要らない ROM です。"}},
      {"unknown.rom",
       EmulatorKind::Brmsx,
       17,
       {"status: スロット１の ROM はデータベースにありません。"}},
      {"vanished.rom", EmulatorKind::Brmsx, 17, {"status: スロット１の ROM を読み込めません。"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.image) + (c.emulator == EmulatorKind::Fmsx ? " fMSX" : " brMSX"));
    holds(c.image);
    panel.slots[0].mapperChoice = kInitialMapperChoice;
    state.activeEmulator = c.emulator;
    feedback.events.clear();
    const LauncherState before = state;

    media.IdentifyCartridge(CartridgeSlot::Slot1, database);

    EXPECT_EQ(feedback.events, c.events);
    EXPECT_EQ(state.slots[0].mapper, c.code);
    // As a choice of the item with nothing selected: the check mark and the icons move too.
    const MediaPanelView view = mediaPanelView(state, panel);
    EXPECT_EQ(view.slots[0].checkedMapperType, c.code == 17 ? 10 : c.code - 7);
    EXPECT_EQ(view.slots[0].medium.buttonIcon, c.code);
    EXPECT_EQ(view.slots[0].medium.nameItem.icon, c.code);
    // Nothing else changes: the path, the name, the other slot.
    LauncherState expected = before;
    expected.slots[0].mapper = c.code;
    EXPECT_EQ(state, expected);
    EXPECT_EQ(panel.slots[0].name, c.image);
  }
}

TEST_F(MediaPanelIdentifyTest, SlotTwoAndAnEmptySlotAndAMissingOrBrokenDatabase) {
  state.slots[1].path = folder.at("roms/image0.0.rom");
  state.slots[1].mapper = 13;
  media.IdentifyCartridge(CartridgeSlot::Slot2, database);
  EXPECT_EQ(state.slots[1].mapper, 9);
  EXPECT_EQ(panel.slots[1].mapperChoice, 2);
  EXPECT_EQ(panel.slots[0].mapperChoice, kInitialMapperChoice);
  EXPECT_EQ(feedback.status,
            "スロット２は \"Nemesis \"2\"\" です。マッパーを Konami with SCC にしました。");

  feedback.events.clear();
  media.IdentifyCartridge(CartridgeSlot::Slot1, database);  // empty: nothing at all
  EXPECT_TRUE(feedback.events.empty());
  EXPECT_EQ(state.slots[0].mapper, kNoCartridge);

  holds("image0.0.rom");
  SoftwareDatabaseSource missing({folder.at("none/softwaredb.xml")}, files, *xml, *sha1);
  media.IdentifyCartridge(CartridgeSlot::Slot1, missing);
  EXPECT_EQ(feedback.events,
            (std::vector<std::string>{"status: ソフトウェアデータベース (softwaredb.xml) "
                                      "が見つかりません。"}));
  folder.write("bad/softwaredb.xml", "<softwaredb>");
  SoftwareDatabaseSource broken({folder.at("bad/softwaredb.xml")}, files, *xml, *sha1);
  media.IdentifyCartridge(CartridgeSlot::Slot1, broken);
  // The loader's reason follows the path, in Japanese, with its line.
  ASSERT_FALSE(broken.problem().empty());
  EXPECT_EQ(feedback.status, "ソフトウェアデータベース \"" + folder.at("bad/softwaredb.xml") +
                                 "\" を読み込めません: XML の書式が正しくありません (1 行目: "
                                 "要素が閉じないまま終わっています)");
  EXPECT_EQ(state.slots[0].mapper, 17);
  EXPECT_EQ(feedback.sounds, std::vector<std::string>{"sound/set.wav"});
}

TEST_F(MediaPanelIdentifyTest, RomInformationShowsWhatTheDatabaseSaysOfTheSelectedRom) {
  const auto select = [&](const std::string& name) {
    FileListEntry entry;
    entry.caption = name;
    entry.fullPath = folder.at("roms/" + name);
    FileList list;
    list.assign({entry});
    list.setSelected(0, true);
    list.setFocused(0);
    feedback.events.clear();
    media.ShowRomInformation(list, database);
    return feedback.events;
  };
  const std::string nemesis = sha1Hex(makeSha1Digester()->digestOf("image0.0"));
  EXPECT_EQ(
      select("image0.0.rom"),
      std::vector<std::string>{"box MSXVorlent!: タイトル: Nemesis \"2\"\n会社: Konami\n"
                               "年: 1987\n国: JP\nシステム: MSX\nデータベースの型: KonamiSCC\n"
                               "brMSX: Konami with SCC\nfMSX: Konami5 8kB\nSHA-1: " +
                               nemesis});
  EXPECT_EQ(select("image3.0.rom")[0].substr(select("image3.0.rom")[0].find("brMSX")),
            "brMSX: MSX-DOS 2\nfMSX: 対応する項目なし\nSHA-1: " +
                sha1Hex(makeSha1Digester()->digestOf("image3.0")));
  EXPECT_EQ(select("image4.1.rom")[0].substr(select("image4.1.rom")[0].find("システム")),
            "システム: MSX\nデータベースの型: -\nbrMSX: マッパー不要\nfMSX: マッパー不要\nSHA-1: " +
                sha1Hex(makeSha1Digester()->digestOf("image4.1")));
  EXPECT_EQ(select("unknown.rom"),
            std::vector<std::string>{"box MSXVorlent!: データベースにありません\nSHA-1: " +
                                     sha1Hex(makeSha1Digester()->digestOf("not in the database"))});
  EXPECT_EQ(select("gone.rom"),
            std::vector<std::string>{"box MSXVorlent!: \"gone.rom\" を読み込めません。\n"
                                     "ファイルが見つかりません"});
  files.failures[folder.at("roms/locked.rom")] = fileFailureText(FileFailureKind::AccessDenied);
  EXPECT_EQ(select("locked.rom"),
            std::vector<std::string>{"box MSXVorlent!: \"locked.rom\" を読み込めません。\n" +
                                     fileFailureText(FileFailureKind::AccessDenied)});
  folder.write("roms/notes.txt", "abc");
  EXPECT_TRUE(select("notes.txt").empty());
  EXPECT_EQ(state, LauncherState{});
}

// A title cannot fake a line of the box nor reverse what follows it: its control characters and
// direction marks are shown as U+FFFD.
TEST_F(MediaPanelIdentifyTest, RomInformationShowsControlCharactersAsVisibleMarks) {
  const struct {
    std::string title;  // as the database's XML writes it
    std::string shown;
  } cases[] = {
      {"Fake&#xa;会社: Konami", "Fake\ufffd会社: Konami"},
      {"Tab&#x9;Cr&#xd;x", "Tab\ufffdCr\ufffdx"},
      {"Evil&#x202e;gnp.exe&#x2066;", "Evil\ufffdgnp.exe\ufffd"},
      {"Csi&#x9b;2J&#x85;Del&#x7f;", "Csi\ufffd2J\ufffdDel\ufffd"},
      {"&#x200e;&#x200f;&#x61c;&#x202a;", "\ufffd\ufffd\ufffd\ufffd"},
      {"Plain ＲＯＭ", "Plain ＲＯＭ"},
  };
  std::vector<testing::TestSoftware> software;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string content = "hostile" + std::to_string(i);
    folder.write("hostile/" + content + ".rom", content);
    software.push_back({cases[i].title,
                        "K",
                        "1",
                        "JP",
                        "MSX",
                        {{sha1Hex(makeSha1Digester()->digestOf(content)), ""}}});
  }
  folder.write("hostile/db.xml", softwareDatabaseText(software));
  SoftwareDatabaseSource hostile({folder.at("hostile/db.xml")}, files, *xml, *sha1);
  const auto shownFor = [&](const std::string& name) {
    FileListEntry entry;
    entry.caption = name;
    entry.fullPath = folder.at("hostile/" + name);
    FileList list;
    list.assign({entry});
    list.setSelected(0, true);
    list.setFocused(0);
    feedback.events.clear();
    media.ShowRomInformation(list, hostile);
    return feedback.events.empty() ? std::string() : feedback.events.front();
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].title);
    const std::string box = shownFor("hostile" + std::to_string(i) + ".rom");
    EXPECT_EQ(box.substr(0, box.find("\n会社: K\n")),
              "box MSXVorlent!: タイトル: " + cases[i].shown);
  }
  EXPECT_EQ(
      shownFor("gone\n\xe2\x80\xae.rom"),
      "box MSXVorlent!: \"gone\ufffd\ufffd.rom\" を読み込めません。\nファイルが見つかりません");
}

}  // namespace
}  // namespace vorlent
