// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#include "support/RecordingShell.h"
#include "support/ScriptedPrompts.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/NativePaths.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;

namespace {

using vorlent::testing::RecordingShell;

}  // namespace

class FileOperationsWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void cleanup() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void threeDroppedFilesMakeThreeCopiesAndOneRefresh();
  void theFileOperationItemsAreInTheMenus();
  void newFileRenameAndDeleteFromTheMenuAndKeys();
  void rawNameBytesSurviveTheRenamePromptAndTheDrop();
  void theJoinIsRefusedWhenTheListedFolderVanished();
  void theTrashCommandAsksOnceAndNoKeepsEverything();
  void theReplaceQuestionDecidesWhatTheCopyOverwrites();

 private:
  QString startFolder_ = QDir::currentPath();
};

void FileOperationsWindowTest::threeDroppedFilesMakeThreeCopiesAndOneRefresh() {
#ifdef Q_OS_WIN
  QSKIP("It expects Qt's drop handling; on Windows the shell's WM_DROPFILES takes the drops");
#endif
  QTemporaryDir programFolder;
  QTemporaryDir listed;
  QTemporaryDir outside;
  QStringList dropped;
  for (const char* name : {"a.rom", "b.dsk", "c.cas"}) {
    QFile file(outside.filePath(QLatin1String(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    dropped << file.fileName();
  }
  QVERIFY(QDir::setCurrent(listed.path()));
  std::vector<vorlent::ShellFileRequest> requests;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.shell = std::make_unique<RecordingShell>(requests);
  TForm1 window(std::move(services));
  QVERIFY(window.acceptDrops());
  int listings = 0;
  window.navigator().setListedFolderHook([&](std::string_view folder) {
    ++listings;
    window.setWindowTitle(vorlent::toQt(folder));
  });

  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : dropped) urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QVERIFY(enter.isAccepted());
  QApplication::sendEvent(&window, &drop);

  QCOMPARE(requests.size(), std::size_t{3});
  for (std::size_t i = 0; i < 3; ++i) {
    QCOMPARE(int(requests[i].kind), int(vorlent::ShellOperationKind::Copy));
    QCOMPARE(requests[i].sources,
             std::vector<std::string>{vorlent::toCore(dropped[static_cast<int>(i)])});
    QCOMPARE(vorlent::toQt(requests[i].destination), QDir(listed.path()).canonicalPath());
  }
  QCOMPARE(listings, 1);
}

void FileOperationsWindowTest::theFileOperationItemsAreInTheMenus() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const auto& menu = window.mainMenu();
  for (QAction* item :
       {menu.newFile, menu.newFolder, menu.move, menu.copy, menu.rename, menu.join, menu.trash}) {
    QVERIFY2(item->isVisible(), qPrintable(item->text()));
  }
  // With the parent entry selected, the list menu offers the new file and folder items.
  window.fileList().clearSelection();
  window.PopupMenulistPopup();
  QVERIFY(window.listMenu().items[0]->isVisible());
  QVERIFY(window.listMenu().items[1]->isVisible());
}

void FileOperationsWindowTest::newFileRenameAndDeleteFromTheMenuAndKeys() {
  QTemporaryDir programFolder;
  QTemporaryDir listed;
  for (const char* name : {"old.txt", "game.rom"}) {
    QFile file(listed.filePath(QLatin1String(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  QVERIFY(QDir::setCurrent(listed.path()));
  std::vector<vorlent::ShellFileRequest> requests;
  auto prompts = std::make_unique<vorlent::testing::ScriptedPrompts>();
  vorlent::testing::ScriptedPrompts& answers = *prompts;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.shell = std::make_unique<RecordingShell>(requests);
  services.prompts = std::move(prompts);
  TForm1 window(std::move(services));
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  const auto indexOf = [&](const std::string& caption) -> std::optional<std::size_t> {
    const auto& entries = window.fileList().entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (entries[i].caption == caption) return i;
    }
    return std::nullopt;
  };
  const auto select = [&](const std::string& caption) {
    window.fileList().clearSelection();
    window.fileList().setSelected(*indexOf(caption), true);
    window.fileList().setFocused(indexOf(caption));
  };

  answers.text = "NEW.TXT";
  window.mainMenu().newFile->trigger();
  QVERIFY(QFile::exists(listed.filePath(QStringLiteral("NEW.TXT"))));
  QVERIFY(indexOf("NEW.TXT").has_value());

  select("old.txt");
  answers.text = "renamed.txt";
  QTest::keyClick(&window, Qt::Key_F2);
  QVERIFY(QFile::exists(listed.filePath(QStringLiteral("renamed.txt"))));
  QVERIFY(!QFile::exists(listed.filePath(QStringLiteral("old.txt"))));
  QVERIFY(indexOf("renamed.txt").has_value());

  select("game.rom");
  QTest::keyClick(&window, Qt::Key_Delete);
  QCOMPARE(requests.size(), std::size_t{1});
  QCOMPARE(int(requests[0].kind), int(vorlent::ShellOperationKind::Delete));
  QCOMPARE(requests[0].sources, std::vector<std::string>{vorlent::testing::corePath(
                                    listed.filePath(QStringLiteral("game.rom")))});
}

// Names that are no valid UTF-8 keep their bytes: an unedited rename changes nothing, and a drop
// goes into the listed folder whatever its caption shows.
void FileOperationsWindowTest::rawNameBytesSurviveTheRenamePromptAndTheDrop() {
#ifdef _WIN32
  QSKIP("Windows names are UTF-16 text: none holds bytes that are not text");
#else
  QTemporaryDir programFolder;
  QTemporaryDir root;
  QTemporaryDir outside;
  const std::string folder = vorlent::toCore(root.path()) +
                             "/bad\xff"
                             "dir";
  QCOMPARE(::mkdir(folder.c_str(), 0755), 0);
  const std::string name = "\xff\xfe.rom";
  std::FILE* file = std::fopen((folder + "/" + name).c_str(), "w");
  QVERIFY(file != nullptr);
  std::fclose(file);
  const QString dropped = outside.filePath(QStringLiteral("a.rom"));
  QFile droppedFile(dropped);
  QVERIFY(droppedFile.open(QIODevice::WriteOnly));
  droppedFile.close();
  QCOMPARE(::chdir(folder.c_str()), 0);
  std::vector<vorlent::ShellFileRequest> requests;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.shell = std::make_unique<RecordingShell>(requests);
  auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(window.navigator().listedFolder(), folder);

  const auto& entries = window.fileList().entries();
  std::optional<std::size_t> index;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].fullPath == folder + "/" + name) index = i;
  }
  QVERIFY(index.has_value());
  window.fileList().clearSelection();
  window.fileList().setSelected(*index, true);
  window.fileList().setFocused(index);
  // F2, keys and OK as the user gives them: what the keys left as shown keeps its bytes; an edit
  // that cannot be told back to bytes (one of two unlike marks deleted) is refused.
  const struct {
    std::vector<Qt::Key> keys;
    std::string after;
    std::size_t refusals;
  } edits[] = {{{}, name, 0},
               {{Qt::Key_End, Qt::Key_X}, "\xff\xfe.romx", 0},
               {{Qt::Key_Home, Qt::Key_Delete}, "\xff\xfe.romx", 1}};
  struct stat status {};
  for (const auto& edit : edits) {
    modals.boxes.clear();
    modals.actions.push_back([&edit](QDialog& dialog) {
      for (const Qt::Key key : edit.keys) QTest::keyClick(dialog.findChild<QLineEdit*>(), key);
      QTest::keyClick(dialog.findChild<QLineEdit*>(), Qt::Key_Return);
    });
    QTest::keyClick(&window, Qt::Key_F2);
    QVERIFY(modals.actions.empty());
    QCOMPARE(::lstat((folder + "/" + edit.after).c_str(), &status), 0);
    QCOMPARE(window.fileList().focused()->fullPath, folder + "/" + edit.after);
    QCOMPARE(modals.boxes.size(), edit.refusals);
  }

  // A file manager hands over the bytes of such a name percent-encoded.
  const std::string oddDropped = vorlent::toCore(outside.path()) + "/x\xff.rom";
  std::fclose(std::fopen(oddDropped.c_str(), "w"));
  const QUrl oddUrl = QUrl::fromEncoded(
      QByteArray("file://") + QByteArray::fromStdString(oddDropped).toPercentEncoding("/"));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(dropped), oddUrl});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
  QCOMPARE(requests.size(), std::size_t{2});
  QCOMPARE(requests[0].destination, folder);
  QCOMPARE(requests[0].sources, std::vector<std::string>{vorlent::toCore(dropped)});
  QCOMPARE(requests[1].destination, folder);
  QCOMPARE(requests[1].sources, std::vector<std::string>{oddDropped});
#endif
}

void FileOperationsWindowTest::theJoinIsRefusedWhenTheListedFolderVanished() {
#ifdef Q_OS_WIN
  QSKIP("Windows keeps a process's current folder, which this removes, from being removed");
#endif
  QTemporaryDir programFolder;
  QTemporaryDir root;
  const QString listed = root.filePath(QStringLiteral("listed"));
  QVERIFY(QDir().mkdir(listed));
  QVERIFY(QDir::setCurrent(listed));
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(QDir().rmdir(listed));
  window.mainMenu().join->trigger();
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  QCOMPARE(modals.boxes.back().text, QStringLiteral("ファイルが見つかりません."));
  QVERIFY(modals.dialogs.isEmpty());
  const auto* join = window.findChild<QDialog*>(QStringLiteral("FormJ"));
  QVERIFY(join == nullptr || !join->isVisible());
}

// The Linux shell stands in for one that asks before it sends anything to the trash.
void FileOperationsWindowTest::theTrashCommandAsksOnceAndNoKeepsEverything() {
#ifdef Q_OS_WIN
  QSKIP("On Windows the system's shell asks before the trash itself, in a window of its own");
#endif
  QTemporaryDir programFolder;
  QTemporaryDir listed;
  QTemporaryDir dataHome;
  const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
  const QString game = listed.filePath(QStringLiteral("game.rom"));
  QFile file(game);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.close();
  QVERIFY(QDir::setCurrent(listed.path()));
  auto services = vorlent::testing::servicesIn(programFolder.path());
  auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  const auto& entries = window.fileList().entries();
  std::optional<std::size_t> index;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].caption == "game.rom") index = i;
  }
  QVERIFY(index.has_value());
  for (const bool yes : {false, true}) {
    modals.boxes.clear();
    modals.answers = {yes ? QMessageBox::Yes : QMessageBox::No};
    window.fileList().clearSelection();
    window.fileList().setSelected(*index, true);
    window.fileList().setFocused(index);
    window.mainMenu().trash->trigger();
    // One question, and nothing else.
    QCOMPARE(modals.boxes.size(), std::size_t{1});
    const auto& asked = modals.boxes.back();
    QCOMPARE(asked.text, game + QStringLiteral(" をごみ箱に移動しますか?"));
    QCOMPARE(asked.buttons, (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
    QCOMPARE(asked.defaultButton, QStringLiteral("はい"));
    QCOMPARE(asked.owner, &window);
    QCOMPARE(QFile::exists(game), !yes);
  }
  QVERIFY(modals.dialogs.isEmpty());
  QVERIFY(QFile::exists(dataHome.filePath(QStringLiteral("Trash/files/game.rom"))));
  if (savedDataHome.isEmpty()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", savedDataHome);
  }
}

// The Linux shell asks before it replaces a file, through the window; each answer does what its
// button says, and the check box answers the later clashes of the same copy.
void FileOperationsWindowTest::theReplaceQuestionDecidesWhatTheCopyOverwrites() {
#ifdef Q_OS_WIN
  QSKIP("On Windows the system's shell asks before it replaces, in a window of its own");
#endif
  using vorlent::testing::BoxAnswer;
  const struct {
    const char* name;
    std::vector<BoxAnswer> answers;
    // Whether the file asked about first, and the other one, end up replaced.
    bool firstReplaced;
    bool secondReplaced;
    std::size_t asked;
  } cases[] = {
      {"replace, then skip",
       {BoxAnswer(QStringLiteral("置き換える")), BoxAnswer(QStringLiteral("スキップ"))},
       true,
       false,
       2},
      {"replace all", {BoxAnswer(QStringLiteral("置き換える"), true)}, true, true, 1},
      {"skip all", {BoxAnswer(QStringLiteral("スキップ"), true)}, false, false, 1},
      {"cancel", {BoxAnswer(QStringLiteral("キャンセル"), true)}, false, false, 1},
      {"closed", {BoxAnswer::closing()}, false, false, 1},
  };
  for (const auto& c : cases) {
    QTemporaryDir programFolder;
    QTemporaryDir listed;
    QTemporaryDir target;
    for (const char* name : {"a.rom", "b.rom"}) {
      QFile old(target.filePath(QLatin1String(name)));
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("old");
      QFile source(listed.filePath(QLatin1String(name)));
      QVERIFY(source.open(QIODevice::WriteOnly));
      source.write("new");
    }
    QVERIFY(QDir::setCurrent(listed.path()));
    auto services = vorlent::testing::servicesIn(programFolder.path());
    auto prompts = std::make_unique<vorlent::testing::ScriptedPrompts>();
    prompts->folder = vorlent::toCore(target.path());
    services.prompts = std::move(prompts);
    auto& modals = vorlent::testing::recordModals(services);
    TForm1 window(std::move(services));
    window.fileList().clearSelection();
    for (std::size_t i = 0; i < window.fileList().count(); ++i) {
      if (window.fileList().entries()[i].caption != "..") window.fileList().setSelected(i, true);
    }
    QCOMPARE(window.fileList().selectedCount(), std::size_t{2});
    modals.answers.assign(c.answers.begin(), c.answers.end());
    window.mainMenu().copy->trigger();

    QVERIFY2(modals.boxes.size() == c.asked, c.name);
    const auto& question = modals.boxes.front();
    QCOMPARE(question.title, QStringLiteral("MSXVorlent!"));
    QCOMPARE(int(question.icon), int(QMessageBox::Question));
    const QString first = question.text.startsWith(target.filePath(QStringLiteral("a.rom")))
                              ? QStringLiteral("a.rom")
                              : QStringLiteral("b.rom");
    const QString second =
        first == QStringLiteral("a.rom") ? QStringLiteral("b.rom") : QStringLiteral("a.rom");
    QCOMPARE(question.text,
             target.filePath(first) +
                 QStringLiteral(" というファイルはすでにあります。\n置き換えますか?"));
    QStringList buttons = question.buttons;
    buttons.sort();
    QCOMPARE(buttons, (QStringList{QStringLiteral("キャンセル"), QStringLiteral("スキップ"),
                                   QStringLiteral("置き換える")}));
    QCOMPARE(question.defaultButton, QStringLiteral("キャンセル"));
    QCOMPARE(question.checkBox, QStringLiteral("以降すべてに適用"));
    QCOMPARE(question.owner, &window);
    for (const auto& [name, replaced] :
         {std::pair{first, c.firstReplaced}, std::pair{second, c.secondReplaced}}) {
      QFile file(target.filePath(name));
      QVERIFY(file.open(QIODevice::ReadOnly));
      QVERIFY2(file.readAll() == (replaced ? "new" : "old"), c.name);
    }
    QVERIFY(QDir::setCurrent(startFolder_));
  }
}

QTEST_MAIN(FileOperationsWindowTest)
#include "test_file_operations.moc"
