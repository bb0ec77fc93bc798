// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "platform/Sha1Digester.h"
#include "platform/WavePlayer.h"
#include "support/SoftwareDatabaseText.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;

// The slot menus' "データベースで判別" and the list menu's "ROM 情報", driven through the
// window's own menu items on a database the test writes beside the program.
class RomIdentifyTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void slotMenusEndWithTheDatabaseItem();
  void identifyingRetypesTheSlotAsTheItemWould();
  void identifyingWithoutAMatchChangesNothing();
  void romInformationShowsForOneRomFileAndTellsWhatTheDatabaseSays();

 private:
  QString startFolder_ = QDir::currentPath();
};

namespace {

class RecordingWavePlayer final : public vorlent::WavePlayer {
 public:
  bool playAsync(const std::string& path) override {
    played << QString::fromStdString(path);
    return true;
  }
  void stop() override {}
  QStringList played;
};

std::string hashOf(const std::string& content) {
  return vorlent::sha1Hex(vorlent::makeSha1Digester()->digestOf(content));
}

void writeFile(const QString& path, const std::string& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A program folder with a database of three titles and a sound folder, and a media folder
// with their images and one the database does not know.
struct Setup {
  QTemporaryDir programFolder;
  QTemporaryDir media;
  std::shared_ptr<RecordingWavePlayer> sounds = std::make_shared<RecordingWavePlayer>();
  vorlent::testing::RecordingModals* modals = nullptr;
  std::unique_ptr<TForm1> window;

  explicit Setup(bool withDatabase = true) {
    if (withDatabase) {
      writeFile(programFolder.filePath(QStringLiteral("softwaredb.xml")),
                vorlent::testing::softwareDatabaseText({
                    {"Space Manbow",
                     "Konami",
                     "1989",
                     "JP",
                     "MSX2",
                     {{hashOf("scc"), "KonamiSCC", true}}},
                    {"R-Type", "Irem", "1988", "JP", "MSX", {{hashOf("rtype"), "R-Type", true}}},
                    {"Tiny", "Maker", "1984", "JP", "MSX", {{hashOf("plain"), "", false}}},
                    // A title that would add lines of its own to a box.
                    {"Fake&#x2028;SHA-1: 0&#x2029;",
                     "Konami",
                     "1989",
                     "JP",
                     "MSX2",
                     {{hashOf("fake"), "KonamiSCC", true}}},
                }));
    }
    writeFile(programFolder.filePath(QStringLiteral("sound/set.wav")), "RIFF");
    for (const char* name : {"scc", "rtype", "plain", "other", "fake"}) {
      writeFile(media.filePath(QString::fromLatin1(name) + QStringLiteral(".rom")), name);
    }
    writeFile(media.filePath(QStringLiteral("notes.txt")), "scc");
    vorlent::MainWindowServices services = vorlent::testing::servicesIn(programFolder.path());
    services.wavePlayer = sounds;
    modals = &vorlent::testing::recordModals(services);
    window = std::make_unique<TForm1>(std::move(services));
  }

  // Lists the named files of the media folder and selects them, the first focused.
  void select(const QStringList& names) {
    std::vector<vorlent::FileListEntry> entries;
    for (const QString& name : names) {
      vorlent::FileListEntry entry;
      entry.caption = vorlent::toCore(name);
      entry.fullPath = vorlent::toCore(media.filePath(name));
      entries.push_back(entry);
    }
    window->fileList().assign(entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      window->fileList().setSelected(i, true);
    }
    window->fileList().setFocused(entries.empty() ? std::nullopt : std::optional<std::size_t>(0));
  }

  // Mounts one file into slot 1 with the button, then selects nothing.
  void mount(const QString& name) {
    select({name});
    QTest::mouseClick(window->mediaToolbar().cartridgeSlots[0].button, Qt::LeftButton, {},
                      QPoint(5, 5));
    select({});
    sounds->played.clear();
  }

  QString status() const {
    return window->findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text();
  }
};

QImage pictureOf(const QIcon& icon) { return icon.pixmap(16, 16).toImage(); }

}  // namespace

void RomIdentifyTest::slotMenusEndWithTheDatabaseItem() {
  Setup setup;
  for (const auto& slot : setup.window->mediaToolbar().cartridgeSlots) {
    const QList<QAction*> items = slot.menu->actions();
    QCOMPARE(items.size(), 17);
    QCOMPARE(items[14], slot.ejectItem);
    QVERIFY(items[15]->isSeparator());
    QCOMPARE(items[16], slot.identifyItem);
    // Drawn as "データベースで判別(D)" with the D underlined: Alt+D chooses it.
    QCOMPARE(slot.identifyItem->text(), QStringLiteral("データベースで判別(&D)"));
    QVERIFY(slot.identifyItem->isVisible());
    QVERIFY(!slot.identifyItem->isEnabled());
  }
  setup.mount(QStringLiteral("scc.rom"));
  const auto& slots = setup.window->mediaToolbar().cartridgeSlots;
  QVERIFY(slots[0].identifyItem->isEnabled());
  QVERIFY(!slots[1].identifyItem->isEnabled());
  slots[0].ejectItem->trigger();
  QVERIFY(!slots[0].identifyItem->isEnabled());

  Setup without(false);
  without.mount(QStringLiteral("scc.rom"));
  QVERIFY(!without.window->mediaToolbar().cartridgeSlots[0].identifyItem->isEnabled());
}

void RomIdentifyTest::identifyingRetypesTheSlotAsTheItemWould() {
  for (const bool fmsx : {false, true}) {
    Setup setup;
    if (fmsx) {
      setup.window->fMSXMSDOS1Click();
    }
    setup.mount(QStringLiteral("scc.rom"));
    const auto& slot = setup.window->mediaToolbar().cartridgeSlots[0];
    QCOMPARE(setup.window->state().slots[0].mapper, 17);

    slot.identifyItem->trigger();

    QCOMPARE(setup.window->state().slots[0].mapper, 9);
    QVERIFY(slot.mapperItems[2]->isChecked());
    QVERIFY(!slot.mapperItems[10]->isChecked());
    QCOMPARE(pictureOf(slot.button->icon()), pictureOf(vorlent::mediaIcon(9)));
    QCOMPARE(pictureOf(slot.nameItem->icon()), pictureOf(vorlent::mediaIcon(9)));
    QCOMPARE(setup.status(),
             fmsx ? QStringLiteral("スロット１は \"Space Manbow\" です。マッパーを Konami5 8kB "
                                   "にしました。")
                  : QStringLiteral("スロット１は \"Space Manbow\" です。マッパーを Konami with SCC "
                                   "にしました。"));
    QCOMPARE(setup.sounds->played,
             QStringList{setup.programFolder.filePath(QStringLiteral("sound/set.wav"))});
    // The next mount takes the identified type, as after a choice of the item.
    setup.mount(QStringLiteral("other.rom"));
    QCOMPARE(setup.window->state().slots[0].mapper, 9);
  }
}

void RomIdentifyTest::identifyingWithoutAMatchChangesNothing() {
  const struct {
    QString file;
    QString status;
  } cases[] = {
      {QStringLiteral("rtype.rom"),
       QStringLiteral("スロット１は \"R-Type\" です。型 R-Type に合うマッパーが brMSX にも fMSX "
                      "にもありません。")},
      {QStringLiteral("plain.rom"),
       QStringLiteral("スロット１は \"Tiny\" です。マッパーの要らない ROM です。")},
      {QStringLiteral("other.rom"),
       QStringLiteral("スロット１の ROM はデータベースにありません。")},
  };
  Setup setup;
  const auto& slot = setup.window->mediaToolbar().cartridgeSlots[0];
  for (const auto& c : cases) {
    setup.mount(c.file);
    const vorlent::LauncherState before = setup.window->state();
    slot.identifyItem->trigger();
    QCOMPARE(setup.status(), c.status);
    QVERIFY(setup.window->state() == before);
    QVERIFY(slot.mapperItems[10]->isChecked());
    QVERIFY(setup.sounds->played.isEmpty());
  }
}

void RomIdentifyTest::romInformationShowsForOneRomFileAndTellsWhatTheDatabaseSays() {
  Setup setup;
  const vorlent::ListMenu& menu = setup.window->listMenu();
  const QList<QAction*> items = menu.menu->actions();
  QCOMPARE(items.size(), 20);
  QCOMPARE(items[17]->objectName(), QStringLiteral("Combine1"));
  QVERIFY(items[18]->isSeparator());
  QCOMPARE(items[19], menu.romInformation);
  QCOMPARE(menu.romInformation->text(), QStringLiteral("ROM 情報"));

  const struct {
    QStringList selection;
    bool shown;
  } visibility[] = {
      {{QStringLiteral("scc.rom")}, true},
      {{QStringLiteral("notes.txt")}, false},
      {{}, false},
      {{QStringLiteral("scc.rom"), QStringLiteral("other.rom")}, false},
  };
  for (const auto& v : visibility) {
    setup.select(v.selection);
    setup.window->PopupMenulistPopup();
    QCOMPARE(menu.romInformation->isVisible(), v.shown);
    QCOMPARE(menu.romSeparator->isVisible(), v.shown);
  }

  const struct {
    QString file;
    QString text;
  } boxes[] = {
      {QStringLiteral("scc.rom"),
       QStringLiteral("タイトル: Space Manbow\n会社: Konami\n年: 1989\n国: JP\nシステム: MSX2\n"
                      "データベースの型: KonamiSCC\nbrMSX: Konami with SCC\nfMSX: Konami5 8kB\n"
                      "SHA-1: ") +
           QString::fromStdString(hashOf("scc"))},
      {QStringLiteral("other.rom"), QStringLiteral("データベースにありません\nSHA-1: ") +
                                        QString::fromStdString(hashOf("other"))},
      {QStringLiteral("fake.rom"),
       QStringLiteral("タイトル: Fake\uFFFDSHA-1: 0\uFFFD\n会社: Konami\n年: 1989\n国: JP\n"
                      "システム: MSX2\nデータベースの型: KonamiSCC\nbrMSX: Konami with SCC\n"
                      "fMSX: Konami5 8kB\nSHA-1: ") +
           QString::fromStdString(hashOf("fake"))},
  };
  for (const auto& b : boxes) {
    setup.select({b.file});
    setup.window->PopupMenulistPopup();
    setup.modals->boxes.clear();
    menu.romInformation->trigger();
    QCOMPARE(setup.modals->boxes.size(), std::size_t{1});
    const auto& box = setup.modals->boxes.back();
    QCOMPARE(box.title, QStringLiteral("MSXVorlent!"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.text, b.text);
  }
  // Nothing was mounted or written.
  QCOMPARE(setup.window->state().slots[0].mapper, -1);
  QFile rom(setup.media.filePath(QStringLiteral("scc.rom")));
  QVERIFY(rom.open(QIODevice::ReadOnly));
  QCOMPARE(rom.readAll(), QByteArray("scc"));
}

QTEST_MAIN(RomIdentifyTest)
#include "test_rom_identify.moc"
