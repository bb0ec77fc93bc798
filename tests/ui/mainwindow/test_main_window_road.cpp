// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a user drives it: listing, selecting, opening, mounting, starting,
// closing and starting again.

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include "ui/dialogs/Unit3.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/NativePaths.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/RecordingOpener.h"
#include "ui/support/RecordingProcessStarter.h"
#include "ui/support/TestServices.h"

using vorlent::EmulatorKind;
using vorlent::TForm1;
using vorlent::testing::corePath;
using vorlent::testing::shownPath;
using vorlent::testing::storedPath;

namespace {

void touch(const QString& path, int bytes = 0) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(bytes, 'x'));
}

}  // namespace

class MainWindowRoadTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void theTypicalRoadFromAListedRomToARestoredSlot();
  void doubleClickDispatchesByEntry();
  void theListTakingTheFocusOpensTheSelection();
  void listMenuShowsTheItemsOfTheSelection();
  void aboutBoxAndItsLinks();
  void helpOpensTheHelpFileBesideTheProgram();
  void helpWithoutTheHelpFileShowsTheManual();

 private:
  std::unique_ptr<TForm1> makeWindow();
  // Selects the row of the caption as a click does: selection and focus together.
  void select(TForm1& window, const QString& caption);
  void doubleClick(TForm1& window, const QString& caption);
  // The visible windows whose title names the help.
  QList<QWidget*> manualWindows() const;

  QString startFolder_ = QDir::currentPath();
  std::unique_ptr<QTemporaryDir> programFolder_;
  std::unique_ptr<QTemporaryDir> media_;
  std::shared_ptr<std::vector<vorlent::testing::RecordedStart>> starts_;
  std::shared_ptr<std::vector<vorlent::testing::OpenedLink>> opened_;
  // The boxes of the window made last.
  vorlent::testing::RecordingModals* modals_ = nullptr;
};

void MainWindowRoadTest::init() {
  programFolder_ = std::make_unique<QTemporaryDir>();
  media_ = std::make_unique<QTemporaryDir>();
  starts_ = std::make_shared<std::vector<vorlent::testing::RecordedStart>>();
  opened_ = std::make_shared<std::vector<vorlent::testing::OpenedLink>>();
  QVERIFY(QDir(programFolder_->path()).mkdir(QStringLiteral("sound")));
  const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/sound/");
  for (const char* cue : {"ok.wav", "set.wav", "error.wav", "reset.wav"}) {
    QVERIFY(QFile::copy(shipped + QLatin1String(cue),
                        programFolder_->filePath(QStringLiteral("sound/")) + QLatin1String(cue)));
  }
  const QDir media(media_->path());
  QVERIFY(media.mkdir(QStringLiteral("GAMES.ROM")));
  touch(media.filePath(QStringLiteral("GAME.ROM")), 16384);
  touch(media.filePath(QStringLiteral("DISK.DSK")), 737280);
  touch(media.filePath(QStringLiteral("TAPE.CAS")));
  touch(media.filePath(QStringLiteral("FMSX-DOS.EXE")));
  touch(media.filePath(QStringLiteral("tool.exe")));
  touch(media.filePath(QStringLiteral("readme.txt")));
  QVERIFY(QDir::setCurrent(media_->path()));
}

void MainWindowRoadTest::cleanup() { QVERIFY(QDir::setCurrent(startFolder_)); }

std::unique_ptr<TForm1> MainWindowRoadTest::makeWindow() {
  auto services = vorlent::testing::servicesIn(programFolder_->path());
  services.processes = std::make_unique<vorlent::testing::RecordingProcessStarter>(starts_);
  services.opener = std::make_unique<vorlent::testing::RecordingOpener>(opened_);
  modals_ = &vorlent::testing::recordModals(services);
  auto window = std::make_unique<TForm1>(std::move(services));
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) {
    qWarning("the main window did not become active");
  }
  window->setViewStyle(vorlent::ViewStyle::Details);
  return window;
}

void MainWindowRoadTest::select(TForm1& window, const QString& caption) {
  QTreeView* view = window.fileListViews().detailsView();
  const auto matches = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, caption, 1,
                                            Qt::MatchExactly);
  QVERIFY2(!matches.isEmpty(), qPrintable(caption));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(matches[0]).center());
  QCOMPARE(window.fileList().selectedCount(), std::size_t(1));
  QCOMPARE(window.fileList().focused()->caption, vorlent::toCore(caption));
}

void MainWindowRoadTest::doubleClick(TForm1& window, const QString& caption) {
  select(window, caption);
  QTreeView* view = window.fileListViews().detailsView();
  const auto matches = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, caption, 1,
                                            Qt::MatchExactly);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(matches[0]).center());
}

void MainWindowRoadTest::theTypicalRoadFromAListedRomToARestoredSlot() {
  const std::string rom = storedPath(QDir(media_->path()).filePath(QStringLiteral("GAME.ROM")));
  {
    auto window = makeWindow();
    QCOMPARE(window->windowTitle(), shownPath(media_->path()));
    window->state().fmsxExePath = corePath(media_->path() + QStringLiteral("/FMSX-DOS.EXE"));
    select(*window, QStringLiteral("GAME.ROM"));

    const auto& slot = window->mediaToolbar().cartridgeSlots[0];
    QTest::mouseClick(slot.button, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(slot.button->toolTip(), QStringLiteral("GAME.ROM"));
    QCOMPARE(window->state().slots[0].path, rom);
    QCOMPARE(window->state().slots[0].mapper, 17);
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text(),
             QStringLiteral("スロット１に \"GAME.ROM\" を挿入しました。"));
    QCOMPARE(window->sounds().currentSource(),
             programFolder_->filePath(QStringLiteral("sound/set.wav")));

    QTest::keyClick(window.get(), Qt::Key_F10);
    QCOMPARE(slot.mapperItems[0]->text(), QStringLiteral("Konami 8kB"));
    QVERIFY(window->mediaToolbar().drives[1].button->isEnabled());
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(),
             QStringLiteral("只今、「fMSX MS-DOS 1.6b2.a」モードです"));

    QTest::keyClick(window.get(), Qt::Key_F5);
    QCOMPARE(starts_->size(), std::size_t(1));
    QCOMPARE(starts_->front().commandLine, "FMSX-DOS.EXE -rom 0 " + rom);
    QCOMPARE(starts_->front().currentFolder, corePath(media_->path()));
    QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!window->isVisible());
  }
  QFile saved(programFolder_->filePath(QStringLiteral("Vorlent.ini")));
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = saved.readAll().split('\n');
  QCOMPARE(lines.at(0), QByteArray::fromStdString(corePath(media_->path())) + "\r");
  QCOMPARE(lines.at(8), QByteArray(rom.c_str()) + "\r");
  QCOMPARE(lines.at(9), QByteArray("17\r"));

  QVERIFY(QDir::setCurrent(startFolder_));
  auto again = makeWindow();
  // Line 1 makes the saved folder current and listed again.
  QCOMPARE(again->windowTitle(), shownPath(media_->path()));
  QCOMPARE(again->state().slots[0].path, rom);
  QCOMPARE(again->state().slots[0].mapper, 17);
  QCOMPARE(again->state().activeEmulator, EmulatorKind::Brmsx);
}

void MainWindowRoadTest::doubleClickDispatchesByEntry() {
  auto window = makeWindow();
  const QString media = media_->path();

  doubleClick(*window, QStringLiteral("DISK.DSK"));
  QCOMPARE(window->state().activeEmulator, EmulatorKind::Brmsx);
  QCOMPARE(window->state().drives[0].path, storedPath(media + QStringLiteral("/DISK.DSK")));
  QVERIFY(window->state().drives[1].path.empty());

  modals_->boxes.clear();
  doubleClick(*window, QStringLiteral("FMSX-DOS.EXE"));
  QCOMPARE(modals_->boxes.size(), std::size_t{1});
  QCOMPARE(window->state().fmsxExePath, storedPath(media + QStringLiteral("/FMSX-DOS.EXE")));

  doubleClick(*window, QStringLiteral("tool.exe"));
  QCOMPARE(starts_->size(), std::size_t(1));
  QCOMPARE(starts_->front().commandLine,
           "program " + corePath(media + QStringLiteral("/tool.exe")));

  doubleClick(*window, QStringLiteral("readme.txt"));
  QCOMPARE(opened_->size(), std::size_t(1));
  QCOMPARE(opened_->front().path, corePath(media + QStringLiteral("/readme.txt")));
  QCOMPARE(opened_->front().workingFolder, corePath(media));

  // A folder named like a ROM is entered, not inserted.
  doubleClick(*window, QStringLiteral("GAMES.ROM"));
  QCOMPARE(window->windowTitle(), shownPath(media + QStringLiteral("/GAMES.ROM")));
  QCOMPARE(QDir::currentPath(), media + QStringLiteral("/GAMES.ROM"));
  QVERIFY(window->state().slots[0].path.empty());
  doubleClick(*window, QStringLiteral(".."));
  QCOMPARE(window->windowTitle(), shownPath(media));
}

void MainWindowRoadTest::theListTakingTheFocusOpensTheSelection() {
  auto window = makeWindow();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  select(*window, QStringLiteral("TAPE.CAS"));
  window->mediaToolbar().ejectAll->setFocus(Qt::OtherFocusReason);
  QVERIFY(window->state().tapePath.empty());
  window->fileListViews().detailsView()->setFocus(Qt::TabFocusReason);
  QCOMPARE(window->state().tapePath, storedPath(media_->path() + QStringLiteral("/TAPE.CAS")));
}

void MainWindowRoadTest::listMenuShowsTheItemsOfTheSelection() {
  auto window = makeWindow();
  const auto visibleCaptions = [&] {
    window->PopupMenulistPopup();
    QStringList shown;
    for (const QAction* item : window->listMenu().menu->actions()) {
      if (item->isVisible() && !item->isSeparator()) shown << item->text();
    }
    return shown;
  };
  select(*window, QStringLiteral("GAME.ROM"));
  QStringList rom = visibleCaptions();
  QVERIFY(rom.contains(QStringLiteral("スロット　１")));
  QVERIFY(rom.contains(QStringLiteral("スロット　２")));
  QVERIFY(!rom.contains(QStringLiteral("開く")));
  QVERIFY(!rom.contains(QStringLiteral("ドライブ　１")));

  select(*window, QStringLiteral("GAMES.ROM"));
  QStringList folder = visibleCaptions();
  QVERIFY(folder.contains(QStringLiteral("開く")));
  QVERIFY(folder.contains(QStringLiteral("ウィンドウ表示する")));
  QVERIFY(!folder.contains(QStringLiteral("スロット　１")));

  select(*window, QStringLiteral(".."));
  QCOMPARE(visibleCaptions(),
           (QStringList{QStringLiteral("開く"), QStringLiteral("ウィンドウ表示する")}));

  // The drive 2 item mounts in brMSX mode too, where the drive 2 button is disabled.
  select(*window, QStringLiteral("DISK.DSK"));
  window->listMenu().items[9]->trigger();
  QCOMPARE(window->state().drives[1].path,
           storedPath(media_->path() + QStringLiteral("/DISK.DSK")));
}

void MainWindowRoadTest::aboutBoxAndItsLinks() {
  auto window = makeWindow();
  vorlent::TAboutBox& about = window->aboutBox();
  QCOMPARE(about.windowTitle(), QStringLiteral("バージョン情報"));
  QCOMPARE(about.size(), QSize(531, 210));
  QCOMPARE(about.findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
           QStringLiteral("MSX Vorlent! Ver 1.96(J)"));
  QTest::mouseClick(about.homePageLink(), Qt::LeftButton);
  QTest::mouseClick(about.mailLink(), Qt::LeftButton);
  window->HomePage1Click();
  QCOMPARE(opened_->size(), std::size_t(3));
  QCOMPARE(opened_->at(0).path, std::string(vorlent::kHomePageAddress));
  QCOMPARE(opened_->at(1).path, "mailto:" + std::string(vorlent::kMailAddress));
  QCOMPARE(opened_->at(2).path, std::string(vorlent::kHomePageAddress));
  // Addresses open in no working folder, whatever folder is listed.
  for (const auto& link : *opened_) {
    QCOMPARE(link.workingFolder, std::string());
  }
  QVERIFY(about.homePageLink()->text().startsWith(QStringLiteral("URL:")));
  QVERIFY(about.mailLink()->text().startsWith(QStringLiteral("Mailto:")));
}

void MainWindowRoadTest::helpOpensTheHelpFileBesideTheProgram() {
#ifdef Q_OS_WIN
  QSKIP("Windows opens the help file with WinHelp, whose missing-viewer box waits for a click");
#endif
  auto window = makeWindow();
  const QString helpFile = programFolder_->filePath(QStringLiteral("VORLENT.HLP"));
  touch(helpFile);
  modals_->boxes.clear();
  window->Help2Click();
  QCOMPARE(opened_->size(), std::size_t(1));
  QCOMPARE(opened_->front().path, vorlent::toCore(helpFile));
  QVERIFY(modals_->boxes.empty());
  QVERIFY(manualWindows().isEmpty());
}

// The help command chosen with the keyboard, Alt+H and H, as a user does.
void MainWindowRoadTest::helpWithoutTheHelpFileShowsTheManual() {
  auto window = makeWindow();
  modals_->boxes.clear();
  for (int request = 0; request < 2; ++request) {
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    auto* helpMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(helpMenu != nullptr);
    QCOMPARE(helpMenu->title(), QStringLiteral("ヘルプ(&H)"));
    QTest::keyClick(helpMenu, Qt::Key_H);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    // One manual window however often it is asked for.
    const QList<QWidget*> shown = manualWindows();
    QCOMPARE(shown.size(), qsizetype(1));
    QWidget* manual = shown.front();
    QVERIFY(manual->isVisible());
    QVERIFY(manual->windowTitle().contains(QStringLiteral("ヘルプ")));
    const auto* text = manual->findChild<QTextBrowser*>();
    QVERIFY(text != nullptr && text->isVisible());
    const QString plain = text->toPlainText();
    for (const QString& part :
         {QStringLiteral("実行ファイル"), QStringLiteral("fmsx-dos.exe"),
          QStringLiteral("brmsx.exe"), QStringLiteral("MSX.ROM"),
          QStringLiteral("データベースで判別"), QStringLiteral("vorlent-cli")}) {
      QVERIFY2(plain.contains(part), qPrintable(part));
    }
    // Markdown is drawn, not shown as its marks.
    QVERIFY(!plain.contains(QStringLiteral("## ")));
  }
  QVERIFY(modals_->boxes.empty());
  QVERIFY(opened_->empty());
}

QList<QWidget*> MainWindowRoadTest::manualWindows() const {
  QList<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle().contains(QStringLiteral("ヘルプ"))) {
      found.append(widget);
    }
  }
  return found;
}

QTEST_MAIN(MainWindowRoadTest)
#include "test_main_window_road.moc"
