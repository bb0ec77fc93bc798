// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/NativePaths.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/RecordingProcessStarter.h"
#include "ui/support/TestServices.h"

using vorlent::EmulatorKind;
using vorlent::TForm1;
using vorlent::testing::corePath;

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every test starts in the same folder, whatever folder the one before left current.
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void menuBarHoldsEveryItemWithItsShortcut();
  void debugMenuIsNeverShown();
  void emulatorTabsAndTheirToolbars();
  void mediaToolbarButtonsAndMenus();
  void functionKeysSwitchTheActiveEmulator();
  void commandCheckShowsTheBrmsxLineAndItsLength();
  void cfgCheckWritesTheResponseFileAndShowsTheOptions();
  void cfgCheckShowsNothingWhenNothingIsWritten();
  void mountingAFocusedRomShowsItOnTheSlot();
  void tabSwitchRenamesTheMapperItemsAndEnablesDriveTwo();
  void radioMenusFollowTheState();
  void f5StartsTheEmulatorOfTheActiveTab();
  void closingSavesAndTheNextStartRestores();
  void aBrokenConfigurationIsReportedAndStartUpGoesOn();
  void aFailedSaveAsksBeforeClosing();

 private:
  QString startFolder_ = QDir::currentPath();
};

namespace {

// "caption|shortcut" of every item of a menu, separators as "-", submenus as "caption>".
QStringList describe(const QMenu* menu) {
  QStringList items;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      items << QStringLiteral("-");
    } else if (action->menu() != nullptr) {
      items << action->text() + QStringLiteral(">") +
                   describe(action->menu()).join(QLatin1Char(','));
    } else {
      items << action->text() + QLatin1Char('|') + action->shortcut().toString();
    }
  }
  return items;
}

QMenu* topMenu(TForm1& window, const QString& caption) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->text() == caption) {
      return action->menu();
    }
  }
  return nullptr;
}

}  // namespace

void MainWindowTest::menuBarHoldsEveryItemWithItsShortcut() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const struct {
    QString menu;
    QStringList items;
  } expected[] = {
      {QStringLiteral("ファイル(&F)"),
       {QStringLiteral("新規ファイル作成(&F)|"), QStringLiteral("新規フォルダ作成(&N)|"),
        QStringLiteral("-"), QStringLiteral("ファイルを開く(&O)|"),
        QStringLiteral("フォルダを開く(&D)|"), QStringLiteral("-"),
        QStringLiteral("閉じる(&C)|Ctrl+Q")}},
      {QStringLiteral("編集(&E)"),
       {QStringLiteral("移動(&M)|Ctrl+M"), QStringLiteral("コピー(&C)|Ctrl+C"),
        QStringLiteral("名前の変更(&R)|F2"), QStringLiteral("-"),
        QStringLiteral("ファイルの結合(&O)|Ctrl+P"), QStringLiteral("-"),
        QStringLiteral("ごみ箱に捨てる(&D)|Del")}},
      {QStringLiteral("表示(&V)"),
       {QStringLiteral("大きいアイコン(&G)|"), QStringLiteral("小さいアイコン(&M))|"),
        QStringLiteral("一覧表示 (&L)|"), QStringLiteral("詳細表示 (&D)|"), QStringLiteral("-"),
        QStringLiteral("最新の情報に更新 (&R)|")}},
      {QStringLiteral("実行(&R)"),
       {QStringLiteral("編集（BrMSX）(&B)|"), QStringLiteral("編集(&fMSX MS-DOS)(&F)|"),
        QStringLiteral("-"),
        QStringLiteral("実行ファイルのディレクトリ(&W)>brmsx.exe(&B)|,fmsx-dos.exe(&F)|"),
        QStringLiteral("モード切替え(&M)>BRMSX 2.6(&B)|F9,fMSX MS-DOS(&F)|F10"),
        QStringLiteral("-"), QStringLiteral("実行する(&R)|F5")}},
      {QStringLiteral("ヘルプ(&H)"),
       {QStringLiteral("バージョン情報(&I)|"), QStringLiteral("-"),
        QStringLiteral("ヘルプの表示(&H)|"), QStringLiteral("ホームページへ(&P)|")}},
  };
  for (const auto& menu : expected) {
    QMenu* found = topMenu(window, menu.menu);
    QVERIFY2(found != nullptr, qPrintable(menu.menu));
    QCOMPARE(describe(found), menu.items);
    for (const QAction* item : found->actions()) {
      const QMenu* sub = item->menu();
      for (const QAction* leaf : sub != nullptr ? sub->actions() : QList<QAction*>{}) {
        QVERIFY2(!leaf->icon().isNull(), qPrintable(leaf->text()));
      }
      if (!item->isSeparator() && sub == nullptr) {
        QVERIFY2(!item->icon().isNull(), qPrintable(item->text()));
      }
    }
  }
}

void MainWindowTest::debugMenuIsNeverShown() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  window.show();
  QMenu* debug = topMenu(window, QStringLiteral("Debug(&D)"));
  QVERIFY(debug != nullptr);
  QVERIFY(!debug->menuAction()->isVisible());
  QVERIFY(!debug->menuAction()->isEnabled());
  QCOMPARE(
      describe(debug),
      (QStringList{QStringLiteral("Save Config(S)|"), QStringLiteral("Load Config(&L)|"),
                   QStringLiteral("-"), QStringLiteral("Get ExeFiles(&G)|"), QStringLiteral("-"),
                   QStringLiteral("Save CfgFile|"), QStringLiteral("testrunf|"),
                   QStringLiteral("-"), QStringLiteral("CountOBJ|"), QStringLiteral("DriveSize|"),
                   QStringLiteral("Get ListView(&M)|"), QStringLiteral("Get Drive(&D)|"),
                   QStringLiteral("-"), QStringLiteral("CustomSort|")}));
}

void MainWindowTest::emulatorTabsAndTheirToolbars() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const QTabWidget* tabs = window.emulatorTabs().pageControl;
  QCOMPARE(tabs->count(), 3);
  QCOMPARE(tabs->tabText(0), QStringLiteral("BRMSX 2.6(MS-DOS)"));
  QCOMPARE(tabs->tabText(1), QStringLiteral("fMSX MS-DOS 1.6b2.a"));
  QCOMPARE(tabs->tabText(2), QStringLiteral("PalaMSX (Win)"));
  QVERIFY(!tabs->isTabVisible(2));
  QVERIFY(!tabs->isTabEnabled(2));
  QCOMPARE(tabs->currentIndex(), 0);
  QCOMPARE(window.state().activeEmulator, EmulatorKind::Brmsx);

  const struct {
    const char* name;
    QString caption;
  } buttons[] = {
      {"ToolButton17", QStringLiteral("実行ファイル")},
      {"ToolButton28", QStringLiteral("システム")},
      {"ToolButton25", QStringLiteral("解像度")},
      {"ToolButton2", QStringLiteral("コマンド編集(B)")},
      {"ToolButton29", QStringLiteral("コマンド確認")},
      {"ToolButton9", QStringLiteral("実行(&F5)")},
      {"exef", QStringLiteral("実行ファイル")},
      {"ToolButton27", QStringLiteral("システム")},
      {"ToolButton24", QStringLiteral("解像度")},
      {"Editf", QStringLiteral("コマンド編集(F)")},
      {"ToolButton3", QStringLiteral("Cfgﾌｧｲﾙ確認")},
      {"runf", QStringLiteral("実行(F5)")},
      {"ToolButton19", QStringLiteral("Working ExeFile")},
  };
  for (const auto& b : buttons) {
    auto* button = window.findChild<QToolButton*>(QLatin1String(b.name));
    QVERIFY2(button != nullptr, b.name);
    QCOMPARE(button->text(), b.caption);
  }
  QCOMPARE(describe(window.emulatorTabs().brmsxResolutions.menu).size(), 10);
  QCOMPARE(window.emulatorTabs().fmsxResolutions.menu->actions().at(2)->text(),
           QStringLiteral("640x480"));
}

void MainWindowTest::mediaToolbarButtonsAndMenus() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const auto& media = window.mediaToolbar();
  QCOMPARE(media.bar->windowTitle(), QStringLiteral("イメージ操作"));
  QCOMPARE(media.cartridgeSlots[0].button->text(), QStringLiteral("スロット　１"));
  QCOMPARE(media.cartridgeSlots[1].button->text(), QStringLiteral("スロット　２"));
  QCOMPARE(media.drives[0].button->text(), QStringLiteral("ドライブ　１"));
  QCOMPARE(media.drives[1].button->text(), QStringLiteral("ドライブ　２"));
  QCOMPARE(media.tape.button->text(), QStringLiteral("テープ"));
  QCOMPARE(media.ejectAll->text(), QStringLiteral("全部解除"));
  for (const auto& slot : media.cartridgeSlots) {
    // Name item, separator, eleven mapper items, separator, eject item; then a separator and
    // the database lookup.
    QCOMPARE(slot.menu->actions().size(), 17);
    QCOMPARE(slot.menu->actions().at(14), slot.ejectItem);
    QCOMPARE(slot.ejectItem->text(), QStringLiteral("解除"));
    QVERIFY(!slot.ejectItem->isEnabled());
    QCOMPARE(slot.button->cursor().shape(), Qt::PointingHandCursor);
  }
  QCOMPARE(describe(media.drives[0].menu),
           (QStringList{QStringLiteral("|"), QStringLiteral("-"), QStringLiteral("マウント A:|"),
                        QStringLiteral("-"), QStringLiteral("解除|")}));
  QCOMPARE(describe(media.drives[1].menu),
           (QStringList{QStringLiteral("|"), QStringLiteral("-"), QStringLiteral("解除|")}));
  QCOMPARE(media.drives[0].diskList->actions().size(), 11);
  QCOMPARE(media.drives[0].resetItem->text(), QStringLiteral("リセット"));
}

void MainWindowTest::functionKeysSwitchTheActiveEmulator() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTest::keyClick(&window, Qt::Key_F10);
  QCOMPARE(window.state().activeEmulator, EmulatorKind::Fmsx);
  QCOMPARE(window.emulatorTabs().pageControl->currentIndex(), 1);
  QTest::keyClick(&window, Qt::Key_F9);
  QCOMPARE(window.state().activeEmulator, EmulatorKind::Brmsx);
  QCOMPARE(window.emulatorTabs().pageControl->currentIndex(), 0);
}

void MainWindowTest::commandCheckShowsTheBrmsxLineAndItsLength() {
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.state().brmsxExePath = corePath(QDir::rootPath() + QStringLiteral("emu/BRMSX.EXE"));
  window.state().brmsxModel = 1;
  window.state().drives[0].path = std::string(vorlent::kPcDriveMarker);
  window.emulatorTabs().brmsx.check->click();
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  const auto& next = modals.boxes.back();
  QCOMPARE(next.title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(int(next.icon), int(QMessageBox::NoIcon));
  QCOMPARE(next.text, QStringLiteral("BRMSX.EXE -msx2 -res 0 -mount a:(32)"));
}

void MainWindowTest::cfgCheckWritesTheResponseFileAndShowsTheOptions() {
  QTemporaryDir emulatorFolder;
  QFile exe(emulatorFolder.filePath(QStringLiteral("FMSX-DOS.EXE")));
  QVERIFY(exe.open(QIODevice::WriteOnly));
  exe.close();
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.state().fmsxExePath = corePath(exe.fileName());
  window.state().fmsxOptions.sound = 3;
  window.emulatorTabs().fmsx.check->click();
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  QCOMPARE(modals.boxes.back().title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(modals.boxes.back().text, QStringLiteral("-sound 3 "));
  QFile written(emulatorFolder.filePath(QStringLiteral("Vorlent.cfg")));
  QVERIFY(written.open(QIODevice::ReadOnly));
  QCOMPARE(written.readAll(), QByteArray("-sound 3 \r\n"));
}

void MainWindowTest::cfgCheckShowsNothingWhenNothingIsWritten() {
  QTemporaryDir emulatorFolder;
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.state().fmsxExePath =
      vorlent::toCore(emulatorFolder.filePath(QStringLiteral("FMSX-DOS.EXE")));
  window.state().fmsxOptions.sound = 3;
  window.emulatorTabs().fmsx.check->click();
  QVERIFY(modals.boxes.empty());
  QVERIFY(!QFile::exists(emulatorFolder.filePath(QStringLiteral("Vorlent.cfg"))));
}

void MainWindowTest::mountingAFocusedRomShowsItOnTheSlot() {
  QTemporaryDir folder;
  QFile rom(folder.filePath(QStringLiteral("GAME.ROM")));
  QVERIFY(rom.open(QIODevice::WriteOnly));
  rom.close();
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  vorlent::FileListEntry entry;
  entry.caption = "GAME.ROM";
  entry.fullPath = corePath(rom.fileName());
  window.fileList().assign({entry});
  window.fileList().setSelected(0, true);
  window.fileList().setFocused(0);
  const auto& slot = window.mediaToolbar().cartridgeSlots[0];
  QTest::mouseClick(slot.button, Qt::LeftButton, {}, QPoint(5, 5));

  const std::string mounted = vorlent::testing::storedPath(rom.fileName());
  QVERIFY(!mounted.empty());
  QCOMPARE(window.state().slots[0].path, mounted);
  QCOMPARE(window.state().slots[0].mapper, 17);
  QCOMPARE(slot.button->toolTip(), QStringLiteral("GAME.ROM"));
  QCOMPARE(slot.nameItem->text(), vorlent::toQt(mounted));
  QVERIFY(slot.ejectItem->isEnabled());
  QVERIFY(slot.mapperItems[10]->isChecked());
  QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text(),
           QStringLiteral("スロット１に \"GAME.ROM\" を挿入しました。"));

  slot.mapperItems[2]->trigger();
  QCOMPARE(window.state().slots[0].mapper, 9);
  QVERIFY(slot.mapperItems[2]->isChecked());
  QVERIFY(!slot.mapperItems[10]->isChecked());

  slot.ejectItem->trigger();
  QVERIFY(window.state().slots[0].path.empty());
  QCOMPARE(window.state().slots[0].mapper, -1);
  QVERIFY(!slot.ejectItem->isEnabled());
  QVERIFY(slot.button->toolTip().isEmpty());
  // The mapper choice survives the eject.
  QVERIFY(slot.mapperItems[2]->isChecked());
}

void MainWindowTest::tabSwitchRenamesTheMapperItemsAndEnablesDriveTwo() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const auto& media = window.mediaToolbar();
  QCOMPARE(media.cartridgeSlots[0].mapperItems[0]->text(),
           QStringLiteral("Generic MegaROM with SCC"));
  QVERIFY(!media.drives[1].button->isEnabled());
  window.fMSXMSDOS1Click();
  QCOMPARE(window.state().activeEmulator, EmulatorKind::Fmsx);
  QCOMPARE(media.cartridgeSlots[1].mapperItems[0]->text(), QStringLiteral("Konami 8kB"));
  QCOMPARE(media.cartridgeSlots[0].mapperItems[10]->text(), QStringLiteral("NO USED(Konami 8kB)"));
  QVERIFY(media.drives[1].button->isEnabled());
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(),
           QStringLiteral("只今、「fMSX MS-DOS 1.6b2.a」モードです"));
}

void MainWindowTest::radioMenusFollowTheState() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const auto& tabs = window.emulatorTabs();
  QVERIFY(tabs.fmsxModels.items[1]->isChecked());
  QVERIFY(tabs.brmsxModels.items[0]->isChecked());
  QVERIFY(tabs.brmsxResolutions.items[0]->isChecked());
  tabs.brmsxResolutions.items[8]->trigger();
  QCOMPARE(window.state().brmsxResolution, 8);
  tabs.fmsxModels.items[2]->trigger();
  QCOMPARE(window.state().fmsxModel, 2);
  for (const auto* menu :
       {&tabs.fmsxModels, &tabs.brmsxModels, &tabs.fmsxResolutions, &tabs.brmsxResolutions}) {
    int checked = 0;
    for (const QAction* item : menu->items) {
      checked += item->isChecked() ? 1 : 0;
    }
    QCOMPARE(checked, 1);
  }
  QVERIFY(tabs.brmsxResolutions.items[8]->isChecked());
  QVERIFY(tabs.fmsxModels.items[2]->isChecked());
}

void MainWindowTest::f5StartsTheEmulatorOfTheActiveTab() {
  QTemporaryDir programFolder;
  QTemporaryDir emulatorFolder;
  auto starts = std::make_shared<std::vector<vorlent::testing::RecordedStart>>();
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.processes = std::make_unique<vorlent::testing::RecordingProcessStarter>(starts);
  TForm1 window(std::move(services));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const std::string emulators = corePath(emulatorFolder.path());
  window.state().brmsxExePath = corePath(emulatorFolder.filePath(QStringLiteral("BRMSX.EXE")));
  window.state().fmsxExePath = corePath(emulatorFolder.filePath(QStringLiteral("FMSX-DOS.EXE")));
  const std::string listed = QDir::currentPath().toStdString();

  QTest::keyClick(&window, Qt::Key_F5);
  QTest::keyClick(&window, Qt::Key_F10);
  QTest::keyClick(&window, Qt::Key_F5);
  QTest::keyClick(&window, Qt::Key_F9);
  window.emulatorTabs().fmsx.run->click();
  QCOMPARE(starts->size(), std::size_t(3));
  QCOMPARE(starts->at(0).commandLine, std::string("BRMSX.EXE -res 0"));
  QCOMPARE(starts->at(1).commandLine, std::string("FMSX-DOS.EXE"));
  QCOMPARE(starts->at(2).commandLine, std::string("FMSX-DOS.EXE"));
  for (const auto& start : *starts) {
    QCOMPARE(start.currentFolder, emulators);
  }
  QCOMPARE(QDir::currentPath().toStdString(), listed);
}

void MainWindowTest::closingSavesAndTheNextStartRestores() {
  QTemporaryDir programFolder;
  QTemporaryDir media;
  QFile rom(media.filePath(QStringLiteral("GAME.ROM")));
  QVERIFY(rom.open(QIODevice::WriteOnly));
  rom.close();
  {
    TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
    window.show();
    window.state().slots[0].path = corePath(rom.fileName());
    window.state().slots[0].mapper = 13;
    window.state().brmsxOptions.scc = 1;
    // The close box runs the same close handling as the close command.
    QVERIFY(window.close());
  }
  QFile saved(programFolder.filePath(QStringLiteral("Vorlent.ini")));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = saved.readAll().split('\n');
  QCOMPARE(lines.size(), 101);
  QCOMPARE(lines.at(8), QByteArray::fromStdString(corePath(rom.fileName())) + "\r");
  QCOMPARE(lines.at(9), QByteArray("13\r"));

  TForm1 again(vorlent::testing::servicesIn(programFolder.path()));
  QCOMPARE(again.state().slots[0].path, corePath(rom.fileName()));
  QCOMPARE(again.state().slots[0].mapper, 13);
  QCOMPARE(again.state().brmsxOptions.scc, 1);
  QCOMPARE(again.state().activeEmulator, EmulatorKind::Brmsx);
  QCOMPARE(again.mediaToolbar().cartridgeSlots[0].button->toolTip(), QStringLiteral("GAME.ROM"));
  QVERIFY(again.mediaToolbar().cartridgeSlots[0].ejectItem->isEnabled());
}

void MainWindowTest::aBrokenConfigurationIsReportedAndStartUpGoesOn() {
#ifdef Q_OS_WIN
  QSKIP("It expects Qt's drop handling; on Windows the shell's WM_DROPFILES takes the drops");
#endif
  QTemporaryDir programFolder;
  QFile ini(programFolder.filePath(QStringLiteral("Vorlent.ini")));
  QVERIFY(ini.open(QIODevice::WriteOnly));
  ini.write(programFolder.path().toUtf8() + "\r\n");
  ini.close();
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  QCOMPARE(modals.boxes.back().title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(int(modals.boxes.back().icon), int(QMessageBox::Critical));
  // The steps after the load still ran: the tab's mode text and the dialogs are there.
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(),
           QStringLiteral("只今、「BRMSX 2.6(MS-DOS)」モードです"));
  QVERIFY(window.acceptDrops());
}

void MainWindowTest::aFailedSaveAsksBeforeClosing() {
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  // A program folder that is gone cannot take the configuration file.
  services.programFolder += "gone/";
  auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  modals.boxes.clear();
  modals.answers = {QMessageBox::Ok, QMessageBox::No};
  QVERIFY(!window.close());
  QCOMPARE(modals.boxes.size(), std::size_t{2});
  const auto& report = modals.boxes[0];
  QCOMPARE(int(report.icon), int(QMessageBox::Critical));
  const auto& question = modals.boxes[1];
  QCOMPARE(question.text, QStringLiteral("設定を保存できませんでした。保存せずに終了しますか？"));
  QCOMPARE(question.title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(int(question.icon), int(QMessageBox::Question));
  QCOMPARE(question.buttons, (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
  QCOMPARE(question.defaultButton, QStringLiteral("いいえ"));
  QCOMPARE(question.owner, &window);
  QVERIFY(window.isVisible());
  modals.answers = {QMessageBox::Ok, QMessageBox::Yes};
  QVERIFY(window.close());
  QCOMPARE(modals.boxes.size(), std::size_t{4});
  QVERIFY(!window.isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
