// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random commands on the main window over a temporary tree: menu items, toolbar
// buttons, list selections, keys, drive and tab switches. Nothing may crash, and after every
// command the controls must show the state's values.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <random>

#include "platform/HelpViewer.h"
#include "support/ScriptedPrompts.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/RecordingOpener.h"
#include "ui/support/RecordingProcessStarter.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;

namespace {

// The help viewer of a system without one: the help file is there or missing, and no viewer
// window opens (the system's own would wait for a click).
class QuietHelpViewer final : public vorlent::HelpViewer {
 public:
  vorlent::HelpShown showContents(std::uintptr_t, std::string_view helpFile) override {
    return QFileInfo::exists(vorlent::toQt(helpFile)) ? vorlent::HelpShown::Shown
                                                      : vorlent::HelpShown::FileMissing;
  }
};

void touch(const QString& path, int bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(bytes, 'x'));
}

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void randomCommandsKeepTheWindowConsistent();
};

void MonkeyTest::randomCommandsKeepTheWindowConsistent() {
  const int commands = qEnvironmentVariableIntValue("VORLENT_MONKEY_COMMANDS") > 0
                           ? qEnvironmentVariableIntValue("VORLENT_MONKEY_COMMANDS")
                           : 20000;
  const unsigned seed = 20261208;
  std::mt19937 random(seed);

  QTemporaryDir programFolder;
  QTemporaryDir tree;
  const QDir root(tree.path());
  std::vector<std::string> folders = {vorlent::toCore(tree.path())};
  for (const char* sub : {"games", "games/more", "disks", "My Tapes", "GAMES.ROM"}) {
    QVERIFY(root.mkpath(QLatin1String(sub)));
    folders.push_back(vorlent::toCore(root.filePath(QLatin1String(sub))));
  }
  for (const auto& [name, bytes] :
       std::vector<std::pair<const char*, int>>{{"games/A.ROM", 16384},
                                                {"games/B.rom", 200000},
                                                {"games/more/C.ROM", 0},
                                                {"disks/D1.DSK", 737280},
                                                {"disks/D2.dsk", 1000},
                                                {"My Tapes/T 1.CAS", 10},
                                                {"readme.txt", 5},
                                                {"tool.exe", 2},
                                                {"FMSX-DOS.EXE", 2},
                                                {"brmsx.exe", 2},
                                                {"Select A:Drive[PC]", 1},
                                                {"a&b.rom", 1}}) {
    touch(root.filePath(QLatin1String(name)), bytes);
  }
  QVERIFY(QDir::setCurrent(tree.path()));

  auto starts = std::make_shared<std::vector<vorlent::testing::RecordedStart>>();
  auto opened = std::make_shared<std::vector<vorlent::testing::OpenedLink>>();
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.processes = std::make_unique<vorlent::testing::RecordingProcessStarter>(starts);
  services.opener = std::make_unique<vorlent::testing::RecordingOpener>(opened);
  services.help = std::make_unique<QuietHelpViewer>();
  auto prompts = std::make_unique<vorlent::testing::ScriptedPrompts>();
  // Picks folders from the tree for the folder chooser, or cancels.
  prompts->pickFolder = [folders, &random]() -> std::optional<std::string> {
    const std::size_t pick = random() % (folders.size() + 1);
    if (pick == folders.size()) return std::nullopt;
    return folders[pick];
  };
  services.prompts = std::move(prompts);
  // Every box is answered at once with its first button, the way an impatient user does.
  vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();

  const auto& menu = window.mainMenu();
  const auto& tabs = window.emulatorTabs();
  const auto& media = window.mediaToolbar();
  std::vector<std::function<void()>> actions;
  // The hidden "Load Config" is left out: like the start-up step it stands for, it makes the
  // saved folder current and leaves the listing to the step after it.
  for (QAction* action :
       {menu.openFile,     menu.openFolder,    menu.bigIcons,     menu.smallIcons,
        menu.listView,     menu.details,       menu.refresh,      menu.locateBrmsx,
        menu.locateFmsx,   menu.switchToBrmsx, menu.switchToFmsx, menu.runCurrent,
        menu.help,         menu.homePage,      menu.saveConfig,   menu.getExeFiles,
        menu.saveCfgFile,  menu.testRunFmsx,   menu.countObjects, menu.driveSize,
        menu.makeListView, menu.getDrives,     menu.customSort}) {
    actions.push_back([action] { action->trigger(); });
  }
  for (QToolButton* button :
       {tabs.brmsx.executable, tabs.brmsx.check, tabs.brmsx.run, tabs.fmsx.executable,
        tabs.fmsx.check, tabs.fmsx.run, media.ejectAll, media.tape.button}) {
    actions.push_back([button] { button->click(); });
  }
  for (const auto* radio :
       {&tabs.fmsxModels, &tabs.brmsxModels, &tabs.fmsxResolutions, &tabs.brmsxResolutions}) {
    for (QAction* item : radio->items) actions.push_back([item] { item->trigger(); });
  }
  for (const auto& slot : media.cartridgeSlots) {
    actions.push_back([&slot] { slot.button->click(); });
    actions.push_back([&slot] { slot.ejectItem->trigger(); });
    for (QAction* item : slot.mapperItems) actions.push_back([item] { item->trigger(); });
  }
  for (const auto& drive : media.drives) {
    actions.push_back([&drive] { drive.button->click(); });
    actions.push_back([&drive] { drive.ejectItem->trigger(); });
    actions.push_back([&drive] { drive.resetItem->trigger(); });
    for (QAction* item : drive.diskItems) actions.push_back([item] { item->trigger(); });
  }
  actions.push_back([&] { media.drives[0].pcDriveItem->trigger(); });
  actions.push_back([&] { media.tape.ejectItem->trigger(); });
  for (QAction* item : window.listMenu().items) {
    // Move, copy, trash and the join open windows of their own and reach outside the tree.
    const QString name = item->objectName();
    if (name == QStringLiteral("MoveFile2") || name == QStringLiteral("CopyFile2") ||
        name == QStringLiteral("DeleteFile2") || name == QStringLiteral("Combine1")) {
      continue;
    }
    actions.push_back([&window, item] {
      window.PopupMenulistPopup();
      if (item->isVisible()) item->trigger();
    });
  }
  actions.push_back([&] { tabs.pageControl->setCurrentIndex(static_cast<int>(random() % 2)); });
  // Only the root's drive: the machine's other mounts may come and go while the test runs.
  actions.push_back([&window] { window.aClick('a'); });
  // Selections: one entry, a few, none; and the list taking the focus.
  const auto selectRandomly = [&] {
    QItemSelectionModel* selection = window.fileListViews().selectionModel();
    const int rows = selection->model()->rowCount();
    selection->clearSelection();
    const int picks = rows == 0 ? 0 : static_cast<int>(random() % 3);
    for (int i = 0; i < picks; ++i) {
      const QModelIndex index = selection->model()->index(static_cast<int>(random() % rows), 0);
      selection->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  };
  for (int weight = 0; weight < 12; ++weight) actions.push_back(selectRandomly);
  actions.push_back([&] { window.ListView1DblClick(); });
  actions.push_back([&] { QTest::keyClick(&window, Qt::Key_F5); });

  for (int command = 0; command < commands; ++command) {
    actions[random() % actions.size()]();

    for (const auto* radio :
         {&tabs.fmsxModels, &tabs.brmsxModels, &tabs.fmsxResolutions, &tabs.brmsxResolutions}) {
      int checked = 0;
      for (const QAction* item : radio->items) checked += item->isChecked() ? 1 : 0;
      QCOMPARE(checked, 1);
    }
    const auto& state = window.state();
    QVERIFY(tabs.fmsxModels.items[static_cast<std::size_t>(state.fmsxModel)]->isChecked());
    QVERIFY(tabs.brmsxModels.items[static_cast<std::size_t>(state.brmsxModel)]->isChecked());
    QVERIFY(
        tabs.fmsxResolutions.items[static_cast<std::size_t>(state.fmsxResolution)]->isChecked());
    QVERIFY(
        tabs.brmsxResolutions.items[static_cast<std::size_t>(state.brmsxResolution)]->isChecked());
    QCOMPARE(tabs.pageControl->currentIndex(), static_cast<int>(state.activeEmulator));
    QCOMPARE(media.drives[1].button->isEnabled(),
             state.activeEmulator == vorlent::EmulatorKind::Fmsx);
    QCOMPARE(media.cartridgeSlots[0].ejectItem->isEnabled(), !state.slots[0].path.empty());
    QCOMPARE(media.cartridgeSlots[1].ejectItem->isEnabled(), !state.slots[1].path.empty());
    QCOMPARE(media.drives[0].ejectItem->isEnabled(), !state.drives[0].path.empty());
    QCOMPARE(media.tape.ejectItem->isEnabled(), !state.tapePath.empty());
    QCOMPARE(media.cartridgeSlots[0].button->toolTip(),
             vorlent::toQt(window.mediaPanelState().slots[0].name));
    QCOMPARE(media.tape.button->toolTip(), vorlent::toQt(window.mediaPanelState().tapeName));
    for (std::size_t i = 0; i < 9; ++i) {
      QCOMPARE(media.drives[0].diskItems[i]->isVisible(), !state.drives[0].list[i].empty());
    }
    QCOMPARE(window.windowTitle(), vorlent::toQt(window.navigator().listedFolder()));
    QCOMPARE(QDir::toNativeSeparators(QDir::currentPath()), window.windowTitle());
  }
  qInfo("%d commands, seed %u, %zu starts, %zu opened", commands, seed, starts->size(),
        opened->size());
}

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
