// SPDX-License-Identifier: GPL-3.0-or-later
// Every toolbar button of the emulator tabs, every item of the main menu and every item of the
// file list's menu, triggered as the user triggers it; each row names the handler the control
// runs and checks that handler's effect through the recording services, not the caption.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <functional>

#include "support/RecordingShell.h"
#include "support/ScriptedPrompts.h"
#include "ui/dialogs/Unit3.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/Icons.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/NativePaths.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/RecordingOpener.h"
#include "ui/support/RecordingProcessStarter.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;
using vorlent::toCore;
using vorlent::toQt;
using vorlent::testing::corePath;

namespace {

void touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

class RecordingHelp final : public vorlent::HelpViewer {
 public:
  explicit RecordingHelp(std::shared_ptr<QStringList> shown) : shown_(std::move(shown)) {}
  vorlent::HelpShown showContents(std::uintptr_t, std::string_view helpFile) override {
    *shown_ << QStringLiteral("help ") + QFileInfo(toQt(helpFile)).fileName();
    return vorlent::HelpShown::Shown;
  }

 private:
  std::shared_ptr<QStringList> shown_;
};

bool sameImage(const QIcon& a, const QIcon& b) {
  return a.pixmap(16, 16).toImage() == b.pixmap(16, 16).toImage();
}

// One window over a listed folder, with every outside effect recorded.
struct Desk {
  QTemporaryDir programFolder;
  QTemporaryDir listed;
  std::shared_ptr<std::vector<vorlent::testing::RecordedStart>> starts =
      std::make_shared<std::vector<vorlent::testing::RecordedStart>>();
  std::shared_ptr<std::vector<vorlent::testing::OpenedLink>> opened =
      std::make_shared<std::vector<vorlent::testing::OpenedLink>>();
  std::shared_ptr<QStringList> requests = std::make_shared<QStringList>();
  vorlent::testing::ScriptedPrompts* prompts = nullptr;
  std::unique_ptr<TForm1> window;
  // What the modal window that the control opened showed, and what the buttons showed then.
  QStringList modal;

  Desk() {
    const QDir folder(listed.path());
    folder.mkdir(QStringLiteral("SUB"));
    folder.mkdir(QStringLiteral("emu"));
    // A folder that only the listed-executable handler would take.
    folder.mkdir(QStringLiteral("brmsx.exe"));
    touch(folder.filePath(QStringLiteral("GAME.ROM")));
    touch(folder.filePath(QStringLiteral("DISK.DSK")));
    touch(folder.filePath(QStringLiteral("TAPE.CAS")));
    touch(folder.filePath(QStringLiteral("readme.txt")));
    touch(folder.filePath(QStringLiteral("emu/brmsx.exe")));
    touch(folder.filePath(QStringLiteral("emu/fmsx-dos.exe")));
    // With a help file beside the program the help command hands it to the help viewer.
    touch(QDir(programFolder.path()).filePath(QStringLiteral("VORLENT.HLP")));
    QDir::setCurrent(listed.path());
    auto services = vorlent::testing::servicesIn(programFolder.path());
    services.processes = std::make_unique<vorlent::testing::RecordingProcessStarter>(starts);
    services.opener = std::make_unique<vorlent::testing::RecordingOpener>(opened);
    services.shell = std::make_unique<vorlent::testing::RecordingShell>(
        [requests = requests](const vorlent::ShellFileRequest& request) {
          static const char* const kKinds[] = {"", "move", "copy", "trash"};
          *requests << QStringLiteral("shell %1 %2")
                           .arg(QLatin1String(kKinds[static_cast<int>(request.kind)]))
                           .arg(QFileInfo(toQt(request.sources.front())).fileName());
        });
    services.help = std::make_unique<RecordingHelp>(requests);
    auto scripted = std::make_unique<vorlent::testing::ScriptedPrompts>();
    prompts = scripted.get();
    prompts->folder = corePath(folder.filePath(QStringLiteral("emu")));
    prompts->text = "made";
    services.prompts = std::move(scripted);
    auto& modals = vorlent::testing::recordModals(services);
    // The user closes each box and dialog without an answer.
    modals.unplanned = vorlent::testing::BoxAnswer::closing();
    window = std::make_unique<TForm1>(std::move(services));
    modals.whileShown = [this](QDialog& shown) { recordModal(shown); };
    window->show();
    window->setViewStyle(vorlent::ViewStyle::Details);
    // Known to the run commands, not yet marked on the buttons.
    window->state().brmsxExePath = corePath(folder.filePath(QStringLiteral("emu/brmsx.exe")));
    window->state().fmsxExePath = corePath(folder.filePath(QStringLiteral("emu/fmsx-dos.exe")));
    window->state().fmsxOptions.sound = 3;
  }

  // Selects the entries named, separated by ",", as clicks and Ctrl+clicks do.
  void select(const QString& captions) {
    QTreeView* view = window->fileListViews().detailsView();
    auto command = QItemSelectionModel::ClearAndSelect;
    for (const QString& caption : captions.split(QLatin1Char(','))) {
      const auto matches = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                caption, 1, Qt::MatchExactly);
      QVERIFY2(!matches.isEmpty(), qPrintable(caption));
      view->selectionModel()->setCurrentIndex(matches[0], command | QItemSelectionModel::Rows);
      command = QItemSelectionModel::Select;
    }
  }

  // Keeps what a modal window that a control opened shows, and the buttons' images then.
  void recordModal(const QDialog& shown) {
    const auto& tabs = window->emulatorTabs();
    const QIcon known = vorlent::toolIcon(vorlent::ToolIcon::Known);
    if (const auto* box = qobject_cast<const QMessageBox*>(&shown)) {
      modal << QStringLiteral("box ") +
                   box->text().section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
    } else {
      modal << QStringLiteral("dialog ") + shown.objectName();
    }
    modal << QStringLiteral("brmsx image %1, fmsx image %2")
                 .arg(sameImage(tabs.brmsx.executable->icon(), known) ? 4 : 3)
                 .arg(sameImage(tabs.fmsx.executable->icon(), known) ? 4 : 3);
  }

  void trigger(const std::function<void()>& press) {
    press();
    QCoreApplication::processEvents();
  }

  QString path(const QString& name) const { return listed.filePath(name); }
};

using Press = std::function<void(Desk&)>;
using Effect = std::function<QString(Desk&)>;

// Press a toolbar button or a menu item, after selecting an entry of the list.
Press button(vorlent::EmulatorPage vorlent::EmulatorTabs::*page,
             QToolButton* vorlent::EmulatorPage::*which, const char* select = nullptr) {
  return [page, which, select](Desk& desk) {
    if (select != nullptr) desk.select(QLatin1String(select));
    QToolButton* pressed = desk.window->emulatorTabs().*page.*which;
    desk.trigger([pressed] { pressed->click(); });
  };
}

Press menuItem(QAction* vorlent::MainMenu::*which, const char* select = nullptr) {
  return [which, select](Desk& desk) {
    if (select != nullptr) desk.select(QLatin1String(select));
    QAction* item = desk.window->mainMenu().*which;
    QVERIFY(item->isEnabled());
    desk.trigger([item] { item->trigger(); });
  };
}

Press listItem(int position, const char* select = nullptr) {
  return [position, select](Desk& desk) {
    if (select != nullptr) desk.select(QLatin1String(select));
    desk.window->PopupMenulistPopup();
    QAction* item = desk.window->listMenu().items[static_cast<std::size_t>(position)];
    QVERIFY2(item->isVisible(), qPrintable(item->text()));
    desk.trigger([item] { item->trigger(); });
  };
}

// The first question asked, as "folder: " and the prompt of a folder question, "text: " and the
// offered text of a text question.
QString asked(const vorlent::testing::ScriptedPrompts& prompts) {
  using Kind = vorlent::testing::ScriptedPrompts::Kind;
  if (prompts.questions.empty()) return {};
  const auto& first = prompts.questions.front();
  switch (first.kind) {
    case Kind::Text:
      return QStringLiteral("text: ") + toQt(first.offered);
    case Kind::Folder:
      return QStringLiteral("folder: ") + toQt(first.prompt);
    case Kind::FilesToOpen:
      return QStringLiteral("open");
    case Kind::FileToSave:
      return QStringLiteral("save");
  }
  return {};
}

// The effects by the handler that has them.
QString askedAndModal(Desk& desk) {
  return (QStringList{asked(*desk.prompts)} + desk.modal).join(QStringLiteral(" / "));
}

// The folder and name of a stored executable path.
QString lastTwo(const std::string& path) {
  return QDir::fromNativeSeparators(toQt(path)).section(QLatin1Char('/'), -2);
}

QString locatedBrmsx(Desk& desk) {
  return askedAndModal(desk) + QStringLiteral(" / stored ") +
         lastTwo(desk.window->state().brmsxExePath);
}

QString locatedFmsx(Desk& desk) {
  return askedAndModal(desk) + QStringLiteral(" / stored ") +
         lastTwo(desk.window->state().fmsxExePath);
}

// The same press with no executable known before it.
Press locating(Press press) {
  return [press](Desk& desk) {
    desk.window->state().brmsxExePath.clear();
    desk.window->state().fmsxExePath.clear();
    press(desk);
  };
}

QString started(Desk& desk) {
  QStringList lines = desk.modal;
  for (const auto& start : *desk.starts) {
    lines << toQt(start.commandLine).section(QLatin1Char(' '), 0, 0).section(QLatin1Char('/'), -1);
  }
  return lines.join(QStringLiteral(" / "));
}

QString modalOnly(Desk& desk) { return desk.modal.value(0); }

QString listed(Desk& desk) {
  const QFileInfo made(desk.path(QStringLiteral("made")));
  return made.isDir()    ? QStringLiteral("folder made")
         : made.isFile() ? QStringLiteral("file made")
                         : QStringLiteral("nothing made");
}

QString slots(Desk& desk) {
  const auto& s = desk.window->state();
  return QStringList{
      QFileInfo(toQt(s.slots[0].path)).fileName(), QFileInfo(toQt(s.slots[1].path)).fileName(),
      QFileInfo(toQt(s.drives[0].path)).fileName(), QFileInfo(toQt(s.drives[1].path)).fileName(),
      QFileInfo(toQt(s.tapePath)).fileName()}
      .join(QLatin1Char('|'));
}

QString openedLinks(Desk& desk) {
  QStringList links;
  for (const auto& link : *desk.opened) {
    links << QFileInfo(toQt(link.path)).fileName();
  }
  return links.join(QLatin1Char(' '));
}

QString recorded(Desk& desk) { return desk.requests->join(QStringLiteral(" / ")); }

QString viewStyle(Desk& desk) {
  return QString::number(static_cast<int>(desk.window->fileListViews().viewStyle()));
}

QString activeEmulator(Desk& desk) {
  return QString::number(static_cast<int>(desk.window->state().activeEmulator));
}

QString closed(Desk& desk) {
  return QStringLiteral("visible %1, saved %2")
      .arg(desk.window->isVisible())
      .arg(QFile::exists(desk.programFolder.filePath(QStringLiteral("Vorlent.ini"))));
}

QString listsLater(Desk& desk) {
  const auto* model = desk.window->fileListViews().detailsView()->model();
  return QString::number(model
                             ->match(model->index(0, 0), Qt::DisplayRole,
                                     QStringLiteral("LATER.DSK"), 1, Qt::MatchExactly)
                             .size());
}

}  // namespace

class ControlWiringTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void cleanup() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void eachControlRunsTheHandlerOfItsTable_data();
  void eachControlRunsTheHandlerOfItsTable();
  void dropDownsShowTheirMenus();

 private:
  QString startFolder_ = QDir::currentPath();
};

Q_DECLARE_METATYPE(Press)
Q_DECLARE_METATYPE(Effect)

void ControlWiringTest::eachControlRunsTheHandlerOfItsTable_data() {
  using T = vorlent::EmulatorTabs;
  using P = vorlent::EmulatorPage;
  using M = vorlent::MainMenu;
  QTest::addColumn<Press>("press");
  QTest::addColumn<Effect>("effect");
  QTest::addColumn<QString>("expected");

  const QString brmsxChosen = QStringLiteral(
      "folder: Choose the directory of the place of the \"brmsx.exe\". / "
      "box 実行ファイルのディレクトリを確認しました / "
      "brmsx image 4, fmsx image 3 / stored emu/brmsx.exe");
  const QString fmsxChosen = QStringLiteral(
      "folder: Choose the directory of the place of the \"fmsx-dos.exe\". / "
      "box 実行ファイルのディレクトリを確認しました / "
      "brmsx image 3, fmsx image 4 / stored emu/fmsx-dos.exe");
  const QString brmsxDialog = QStringLiteral("dialog FormBR");
  const QString fmsxDialog = QStringLiteral("dialog Form2");
  const QString joinDialog = QStringLiteral("dialog FormJ");

  // The emulator tabs' toolbars: brmsxexe1Click and fmsxdosexe1Click ask for the folder even
  // with a listed "brmsx.exe" folder selected, which takeListedBrmsx would have taken.
  QTest::newRow("ToolButton17 brmsxexe1Click")
      << locating(button(&T::brmsx, &P::executable)) << Effect(locatedBrmsx) << brmsxChosen;
  QTest::newRow("ToolButton17 with an entry selected")
      << locating(button(&T::brmsx, &P::executable, "brmsx.exe")) << Effect(locatedBrmsx)
      << brmsxChosen;
  QTest::newRow("ToolButton2 ToolButton2Click")
      << button(&T::brmsx, &P::edit) << Effect(modalOnly) << brmsxDialog;
  QTest::newRow("ToolButton29 ToolButton29Click")
      << button(&T::brmsx, &P::check) << Effect(modalOnly)
      << QStringLiteral("box brmsx.exe -res 0(16)");
  QTest::newRow("ToolButton9 ToolButton9Click")
      << button(&T::brmsx, &P::run) << Effect(started) << QStringLiteral("brmsx.exe");
  QTest::newRow("exef fmsxdosexe1Click")
      << locating(button(&T::fmsx, &P::executable)) << Effect(locatedFmsx) << fmsxChosen;
  QTest::newRow("Editf EditfClick")
      << button(&T::fmsx, &P::edit) << Effect(modalOnly) << fmsxDialog;
  QTest::newRow("ToolButton3 SaveCfgFile1Click")
      << button(&T::fmsx, &P::check) << Effect(modalOnly) << QStringLiteral("box -sound 3 ");
  QTest::newRow("runf runfClick") << button(&T::fmsx, &P::run) << Effect(started)
                                  << QStringLiteral("fmsx-dos.exe");

  // The main menu.
  QTest::newRow("新規ファイル作成 Newfile")
      << menuItem(&M::newFile) << Effect(listed) << QStringLiteral("file made");
  QTest::newRow("新規フォルダ作成 Newdir")
      << menuItem(&M::newFolder) << Effect(listed) << QStringLiteral("folder made");
  QTest::newRow("閉じる ClosetClick")
      << menuItem(&M::close) << Effect(closed) << QStringLiteral("visible 0, saved 1");
  QTest::newRow("ファイルを開く ListView1DblClick")
      << menuItem(&M::openFile, "GAME.ROM") << Effect(slots) << QStringLiteral("GAME.ROM||||");
  QTest::newRow("フォルダを開く OpenDirectory1Click")
      << menuItem(&M::openFolder, "SUB") << Effect(openedLinks) << QStringLiteral("SUB");
  QTest::newRow("移動 FileCopy_Move1Click") << menuItem(&M::move, "GAME.ROM") << Effect(recorded)
                                            << QStringLiteral("shell move GAME.ROM");
  QTest::newRow("コピー FileCopy_Move1Click") << menuItem(&M::copy, "GAME.ROM") << Effect(recorded)
                                              << QStringLiteral("shell copy GAME.ROM");
  QTest::newRow("名前の変更 RenameFile1Click")
      << menuItem(&M::rename, "GAME.ROM") << Effect(listed) << QStringLiteral("file made");
  QTest::newRow("ファイルの結合 ToolButton18Click")
      << menuItem(&M::join) << Effect(modalOnly) << joinDialog;
  QTest::newRow("ごみ箱に捨てる DeleteFile1Click")
      << menuItem(&M::trash, "GAME.ROM") << Effect(recorded)
      << QStringLiteral("shell trash GAME.ROM");
  QTest::newRow("大きいアイコン BigIcon1Click")
      << menuItem(&M::bigIcons) << Effect(viewStyle) << QStringLiteral("0");
  QTest::newRow("小さいアイコン SmallIcon1Click")
      << menuItem(&M::smallIcons) << Effect(viewStyle) << QStringLiteral("1");
  QTest::newRow("一覧表示 List1Click")
      << menuItem(&M::listView) << Effect(viewStyle) << QStringLiteral("2");
  QTest::newRow("詳細表示 Report1Click")
      << menuItem(&M::details) << Effect(viewStyle) << QStringLiteral("3");
  QTest::newRow("最新の情報に更新 InformationNew1Click") << Press([](Desk& desk) {
    touch(desk.path(QStringLiteral("LATER.DSK")));
    desk.trigger([&desk] { desk.window->mainMenu().refresh->trigger(); });
  }) << Effect(listsLater) << QStringLiteral("1");
  QTest::newRow("編集（BrMSX） ToolButton2Click")
      << menuItem(&M::editBrmsx) << Effect(modalOnly) << brmsxDialog;
  QTest::newRow("編集(fMSX MS-DOS) EditfClick")
      << menuItem(&M::editFmsx) << Effect(modalOnly) << fmsxDialog;
  QTest::newRow("brmsx.exe brmsxexe1Click")
      << locating(menuItem(&M::locateBrmsx)) << Effect(locatedBrmsx) << brmsxChosen;
  QTest::newRow("fmsx-dos.exe fmsxdosexe1Click")
      << locating(menuItem(&M::locateFmsx)) << Effect(locatedFmsx) << fmsxChosen;
  QTest::newRow("fMSX MS-DOS fMSXMSDOS1Click")
      << menuItem(&M::switchToFmsx) << Effect(activeEmulator) << QStringLiteral("1");
  QTest::newRow("BRMSX 2.6 BRMSX261Click") << Press([](Desk& desk) {
    desk.window->mainMenu().switchToFmsx->trigger();
    desk.trigger([&desk] { desk.window->mainMenu().switchToBrmsx->trigger(); });
  }) << Effect(activeEmulator) << QStringLiteral("0");
  QTest::newRow("実行する RunB1Click")
      << menuItem(&M::runCurrent) << Effect(started) << QStringLiteral("brmsx.exe");
  QTest::newRow("実行する RunB1Click, fMSX active") << Press([](Desk& desk) {
    desk.window->mainMenu().switchToFmsx->trigger();
    desk.trigger([&desk] { desk.window->mainMenu().runCurrent->trigger(); });
  }) << Effect(started) << QStringLiteral("fmsx-dos.exe");
  QTest::newRow("バージョン情報 Info1Click")
      << menuItem(&M::about) << Effect(modalOnly) << QStringLiteral("dialog AboutBox");
  QTest::newRow("ヘルプの表示 Help2Click")
      << menuItem(&M::help) << Effect(recorded) << QStringLiteral("help VORLENT.HLP");
  QTest::newRow("ホームページへ HomePage1Click")
      << menuItem(&M::homePage) << Effect([](Desk& desk) {
           return desk.opened->empty() ? QString() : toQt(desk.opened->front().path);
         })
      << toQt(vorlent::kHomePageAddress);

  // The file list's menu, by position.
  QTest::newRow("0 Newfile") << listItem(0) << Effect(listed) << QStringLiteral("file made");
  QTest::newRow("1 Newdir") << listItem(1) << Effect(listed) << QStringLiteral("folder made");
  QTest::newRow("3 ListView1DblClick")
      << listItem(3, "readme.txt") << Effect(openedLinks) << QStringLiteral("readme.txt");
  QTest::newRow("4 OpenDirectory1Click")
      << listItem(4, "SUB") << Effect(openedLinks) << QStringLiteral("SUB");
  QTest::newRow("6 cart1Click") << listItem(6, "GAME.ROM") << Effect(slots)
                                << QStringLiteral("GAME.ROM||||");
  QTest::newRow("7 cart2Click") << listItem(7, "GAME.ROM") << Effect(slots)
                                << QStringLiteral("|GAME.ROM|||");
  QTest::newRow("8 dsk1Click") << listItem(8, "DISK.DSK") << Effect(slots)
                               << QStringLiteral("||DISK.DSK||");
  QTest::newRow("9 dsk2Click") << listItem(9, "DISK.DSK") << Effect(slots)
                               << QStringLiteral("|||DISK.DSK|");
  QTest::newRow("10 TapeClick") << listItem(10, "TAPE.CAS") << Effect(slots)
                                << QStringLiteral("||||TAPE.CAS");
  QTest::newRow("12 RenameFile1Click")
      << listItem(12, "GAME.ROM") << Effect(listed) << QStringLiteral("file made");
  QTest::newRow("13 FileCopy_Move1Click")
      << listItem(13, "GAME.ROM") << Effect(recorded) << QStringLiteral("shell move GAME.ROM");
  QTest::newRow("14 FileCopy_Move1Click")
      << listItem(14, "GAME.ROM") << Effect(recorded) << QStringLiteral("shell copy GAME.ROM");
  QTest::newRow("15 DeleteFile1Click")
      << listItem(15, "GAME.ROM") << Effect(recorded) << QStringLiteral("shell trash GAME.ROM");
  QTest::newRow("17 joinClick") << listItem(17, "GAME.ROM,DISK.DSK") << Effect(modalOnly)
                                << joinDialog;
}

void ControlWiringTest::eachControlRunsTheHandlerOfItsTable() {
  QFETCH(Press, press);
  QFETCH(Effect, effect);
  QFETCH(QString, expected);
  Desk desk;
  press(desk);
  QCOMPARE(effect(desk), expected);
}

// The drop-down buttons of the tabs open the model and resolution menus of their emulator.
void ControlWiringTest::dropDownsShowTheirMenus() {
  Desk desk;
  const auto& tabs = desk.window->emulatorTabs();
  QCOMPARE(tabs.brmsx.system->menu(), tabs.brmsxModels.menu);
  QCOMPARE(tabs.brmsx.resolution->menu(), tabs.brmsxResolutions.menu);
  QCOMPARE(tabs.fmsx.system->menu(), tabs.fmsxModels.menu);
  QCOMPARE(tabs.fmsx.resolution->menu(), tabs.fmsxResolutions.menu);
  for (QToolButton* dropDown :
       {tabs.brmsx.system, tabs.brmsx.resolution, tabs.fmsx.system, tabs.fmsx.resolution}) {
    QCOMPARE(dropDown->popupMode(), QToolButton::InstantPopup);
  }
  // Picking an item of the menu sets the state of that emulator.
  tabs.fmsxModels.items[2]->trigger();
  QCOMPARE(desk.window->state().fmsxModel, 2);
  tabs.brmsxResolutions.items[3]->trigger();
  QCOMPARE(desk.window->state().brmsxResolution, 3);
}

QTEST_MAIN(ControlWiringTest)
#include "test_control_wiring.moc"
