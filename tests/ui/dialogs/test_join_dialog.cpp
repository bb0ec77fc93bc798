// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "support/ScriptedPrompts.h"
#include "ui/dialogs/SampleUnit.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/NativePaths.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/SystemDialogs.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;
using vorlent::TFormJ;
using vorlent::testing::corePath;
using vorlent::testing::RecordingModals;
using vorlent::testing::ScriptedPrompts;
using vorlent::testing::shownPath;

namespace {

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QStringList linesOf(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

// Types into Qt's file dialog when it shows, as a user does, and opens what was typed.
class FileDialogTyping final : public QObject {
 public:
  explicit FileDialogTyping(QString text) : text_(std::move(text)) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~FileDialogTyping() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool typed() const { return typed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* files = qobject_cast<QFileDialog*>(watched);
    if (files != nullptr && event->type() == QEvent::Show && !shown_) {
      shown_ = true;
      QMetaObject::invokeMethod(
          this, [this, files] { type(*files); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void type(QFileDialog& files) {
    auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name != nullptr) {
      typed_ = true;
      // Key by key with its text: keyClicks knows no key for a Japanese character.
      for (const QChar character : text_) {
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(character), {});
      }
      // What the open button does; the button itself waits for the dialog's own listing.
      static_cast<QDialog&>(files).accept();
    }
    // An answer the dialog did not take closes it all the same, so that the comparisons tell.
    if (files.isVisible()) files.reject();
  }

  QString text_;
  bool shown_ = false;
  bool typed_ = false;
};

}  // namespace

class JoinDialogTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup();
  void elementsAndTexts();
  void opensWithTheSelectedFilesAndRelistsAfter();
  void openFillsTheFolderAndTheChecksSpeak();
  void theOpenDialogsAnswerShowsTheSystemsSeparators();
  void destinationColourFollowsItsFolder();
  void aFileListedTwiceIsWrittenTwiceAndAnEmptyListMakesAnEmptyFile();
  void anUnreadableSourceIsReportedAndTheDialogStays();
  void aShowAgainWithinOneOpeningAddsNothing();
  void theLineThatTakesTheFocusIsNoSelection();

 private:
  void clickJoin() { joinDialog().findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click(); }
  TFormJ& joinDialog() { return window_->joinDialog(); }
  // Selects the entries by caption.
  void select(const QStringList& captions);

  QString startFolder_ = QDir::currentPath();
  // Where Qt's file dialog keeps its history and layout, in place of the user's own settings.
  QTemporaryDir qtSettings_;
  std::unique_ptr<QTemporaryDir> programFolder_;
  std::unique_ptr<QTemporaryDir> listed_;
  ScriptedPrompts* prompts_ = nullptr;
  RecordingModals* modals_ = nullptr;
  std::unique_ptr<TForm1> window_;
};

void JoinDialogTest::initTestCase() {
  QVERIFY(qtSettings_.isValid());
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, qtSettings_.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qtSettings_.path());
}

void JoinDialogTest::init() {
  QVERIFY(QDir::setCurrent(startFolder_));
  programFolder_ = std::make_unique<QTemporaryDir>();
  listed_ = std::make_unique<QTemporaryDir>();
  write(listed_->filePath(QStringLiteral("a.bin")), QByteArray("AA\0\r\n", 5));
  write(listed_->filePath(QStringLiteral("b.bin")), "BBB");
  QVERIFY(QDir(listed_->path()).mkdir(QStringLiteral("folder")));
  QVERIFY(QDir::setCurrent(listed_->path()));
  auto services = vorlent::testing::servicesIn(programFolder_->path());
  auto prompts = std::make_unique<ScriptedPrompts>();
  prompts_ = prompts.get();
  services.prompts = std::move(prompts);
  modals_ = &vorlent::testing::recordModals(services);
  window_ = std::make_unique<TForm1>(std::move(services));
  window_->ListviewMake1Click();
}

void JoinDialogTest::cleanup() {
  window_.reset();
  QVERIFY(QDir::setCurrent(startFolder_));
}

void JoinDialogTest::select(const QStringList& captions) {
  vorlent::FileList& list = window_->fileList();
  list.clearSelection();
  for (std::size_t i = 0; i < list.count(); ++i) {
    if (captions.contains(vorlent::toQt(list.entries()[i].caption))) list.setSelected(i, true);
  }
}

void JoinDialogTest::elementsAndTexts() {
#ifdef Q_OS_WIN
  QSKIP("It expects Qt's drop handling; on Windows the shell's WM_DROPFILES takes the drops");
#endif
  TFormJ& dialog = joinDialog();
  QCOMPARE(dialog.windowTitle(), QStringLiteral("ファイルの結合"));
  QCOMPARE(dialog.size(), QSize(306, 400));
  QCOMPARE(dialog.minimumSize(), QSize(220, 270));
  const auto* tools = dialog.findChild<QToolBar*>();
  QStringList toolTexts;
  for (const QAction* action : tools->actions())
    toolTexts << action->objectName() + QLatin1Char('=') + action->text();
  QCOMPARE(toolTexts,
           (QStringList{QStringLiteral("ToolButton1=開く"), QStringLiteral("ToolButton2=上へ"),
                        QStringLiteral("ToolButton3=下へ"), QStringLiteral("ToolButton5=削除")}));
  QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
           QStringLiteral("ソースファイル"));
  QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label3"))->text(),
           QStringLiteral("出力先のファイル"));
  QCOMPARE(dialog.sourceFiles()->toolTip(),
           QStringLiteral("Click \"Open\" button, or Drag & Drop from shell."));
  QCOMPARE(dialog.sourceFiles()->font().family(), QStringLiteral("ＭＳ ゴシック"));
  QCOMPARE(dialog.sourceFiles()->font().pixelSize(), 13);
  const struct {
    const char* name;
    QString text;
  } buttons[] = {{"BitBtn1", QStringLiteral("...")},
                 {"BitBtn3", QStringLiteral("結合")},
                 {"BitBtn2", QStringLiteral("閉じる")}};
  for (const auto& button : buttons) {
    QCOMPARE(dialog.findChild<QPushButton*>(QLatin1String(button.name))->text(), button.text);
  }
  QVERIFY(dialog.acceptDrops());
}

void JoinDialogTest::opensWithTheSelectedFilesAndRelistsAfter() {
  select({QStringLiteral(".."), QStringLiteral("folder"), QStringLiteral("b.bin"),
          QStringLiteral("a.bin")});
  QStringList seen;
  modals_->actions.push_back([&](QDialog& dialog) {
    seen = linesOf(static_cast<TFormJ&>(dialog).sourceFiles());
    QDir::setCurrent(startFolder_);  // as an open dialog may leave it
    static_cast<TFormJ&>(dialog).destination()->setText(
        shownPath(listed_->filePath(QStringLiteral("new.bin"))));
    static_cast<TFormJ&>(dialog).BitBtn3Click();
  });
  window_->joinClick();
  QVERIFY(modals_->actions.empty());
  QCOMPARE(modals_->leftOpen, 0);
  // The list shows the system's own separators.
  QCOMPARE(seen,
           (QStringList{QDir::toNativeSeparators(listed_->filePath(QStringLiteral("a.bin"))),
                        QDir::toNativeSeparators(listed_->filePath(QStringLiteral("b.bin")))}));
  QFile joined(listed_->filePath(QStringLiteral("new.bin")));
  QVERIFY(joined.open(QIODevice::ReadOnly));
  QCOMPARE(joined.readAll(), QByteArray("AA\0\r\nBBB", 8));
  QCOMPARE(QDir::currentPath(), QDir(listed_->path()).canonicalPath());
  bool listed = false;
  for (const auto& entry : window_->fileList().entries()) listed |= entry.caption == "new.bin";
  QVERIFY(listed);  // relisted after the close
  QCOMPARE(joinDialog().sourceFiles()->count(), 0);
  QVERIFY(joinDialog().destination()->text().isEmpty());
}

void JoinDialogTest::openFillsTheFolderAndTheChecksSpeak() {
  TFormJ& dialog = joinDialog();
  const std::string a = corePath(listed_->filePath(QStringLiteral("a.bin")));
  prompts_->filesToOpen = std::vector<std::string>{a, a};
  dialog.ToolButton1Click();
  QCOMPARE(dialog.destination()->text(), shownPath(listed_->path() + QLatin1Char('/')));
  QCOMPARE(dialog.sourceFiles()->count(), 2);
  const struct {
    QString destination;
    QString message;
  } cases[] = {
      {shownPath(listed_->path() + QLatin1Char('/')), QStringLiteral("Input file name.")},
      {QStringLiteral("bare.bin"), QStringLiteral("Directory not found.\r")},
      {shownPath(listed_->filePath(QStringLiteral("none/x.bin"))),
       QStringLiteral("Directory not found.\r") +
           shownPath(listed_->filePath(QStringLiteral("none/")))},
  };
  for (const auto& c : cases) {
    dialog.destination()->setText(c.destination);
    modals_->boxes.clear();
    clickJoin();
    QCOMPARE(modals_->boxes.size(), std::size_t{1});
    QCOMPARE(modals_->boxes.back().title, QStringLiteral("MSXVorlent!"));
    // Long runs without a blank get invisible break points, so that the box can wrap them.
    QCOMPARE(QString(modals_->boxes.back().text).remove(QChar(0x200B)), c.message);
    QCOMPARE(dialog.sourceFiles()->count(), 2);  // the dialog keeps its content
  }
  // The open dialog on a list that is not empty leaves the destination alone.
  dialog.destination()->setText(QStringLiteral("kept"));
  dialog.ToolButton1Click();
  QCOMPARE(dialog.destination()->text(), QStringLiteral("kept"));
  QCOMPARE(dialog.sourceFiles()->count(), 4);
  dialog.BitBtn2Click();
  QCOMPARE(dialog.sourceFiles()->count(), 0);
  QVERIFY(dialog.destination()->text().isEmpty());
}

void JoinDialogTest::theOpenDialogsAnswerShowsTheSystemsSeparators() {
  // Windows asks with its own open dialog. Elsewhere Qt's own, which keys can be typed into,
  // answers as the system's would: with "/".
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  write(listed_->filePath(QStringLiteral("表.bin")), "H");
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const RecordingModals& boxes = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  TFormJ& dialog = window.joinDialog();
  const auto native = [&](const char* name) {
    return shownPath(listed_->filePath(QString::fromUtf8(name)));
  };
  const struct {
    QString typed;
    QStringList sources;
  } cases[] = {
      {QStringLiteral("a.bin"), {native("a.bin")}},
      {QStringLiteral("表.bin"), {native("表.bin")}},
  };
  for (const auto& c : cases) {
    dialog.BitBtn2Click();
#ifdef _WIN32
    bool typed = false;
    vorlent::testing::whenSystemDialogShown(nullptr, [&typed, &c](HWND files) {
      typed = vorlent::testing::typeFileName(files, c.typed);
      vorlent::testing::pressDialogButton(files, IDOK);
    });
    dialog.ToolButton1Click();
    QVERIFY(typed);
#else
    FileDialogTyping typing(c.typed);
    dialog.ToolButton1Click();
    QVERIFY(typing.typed());
#endif
    QVERIFY(boxes.boxes.empty());
    QCOMPARE(linesOf(dialog.sourceFiles()), c.sources);
    QCOMPARE(dialog.destination()->text(), shownPath(listed_->path() + u'/'));
  }
}

void JoinDialogTest::destinationColourFollowsItsFolder() {
  TFormJ& dialog = joinDialog();
  const QString later = listed_->filePath(QStringLiteral("later"));
  const struct {
    QString text;
    QColor colour;
  } cases[] = {{QString(), QColor(255, 0, 0)},
               {QStringLiteral("bare.bin"), QColor(255, 0, 0)},
               {shownPath(listed_->filePath(QStringLiteral("x.bin"))), QColor(0, 0, 0)},
               {shownPath(later + QStringLiteral("/x.bin")), QColor(255, 0, 0)}};
  for (const auto& c : cases) {
    dialog.destination()->setText(QStringLiteral("changed"));
    dialog.destination()->setText(c.text);
    QCOMPARE(dialog.destination()->palette().color(QPalette::Text), c.colour);
  }
  QVERIFY(QDir().mkdir(later));
  dialog.destination()->setText(shownPath(later + QStringLiteral("/x.bi")));
  QCOMPARE(dialog.destination()->palette().color(QPalette::Text), QColor(0, 0, 0));
}

void JoinDialogTest::aFileListedTwiceIsWrittenTwiceAndAnEmptyListMakesAnEmptyFile() {
  TFormJ& dialog = joinDialog();
  const QString b = listed_->filePath(QStringLiteral("b.bin"));
  const struct {
    QStringList sources;
    QByteArray bytes;
  } cases[] = {{{b, b}, "BBBBBB"}, {{}, ""}};
  for (const auto& c : cases) {
    const QString out = listed_->filePath(QStringLiteral("out.bin"));
    dialog.addDroppedPaths(c.sources);
    dialog.destination()->setText(out);
    modals_->boxes.clear();
    clickJoin();
    QVERIFY(modals_->boxes.empty());
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), c.bytes);
    QCOMPARE(dialog.sourceFiles()->count(), 0);  // closed, and emptied
  }
}

void JoinDialogTest::anUnreadableSourceIsReportedAndTheDialogStays() {
  TFormJ& dialog = joinDialog();
  const QString folder = listed_->filePath(QStringLiteral("folder"));
  const QString out = listed_->filePath(QStringLiteral("b.bin"));
  dialog.addDroppedPaths({out, folder});
  dialog.destination()->setText(out);
  modals_->boxes.clear();
  clickJoin();
  QCOMPARE(modals_->boxes.size(), std::size_t{1});
  QCOMPARE(modals_->boxes.back().text,
           QStringLiteral("ファイル ") + folder + QStringLiteral(" は開けません."));
  QCOMPARE(dialog.sourceFiles()->count(), 2);
  QFile file(out);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("BBB"));
}

// Restoring the minimised dialog shows it again; the files were taken when it opened.
void JoinDialogTest::aShowAgainWithinOneOpeningAddsNothing() {
  select({QStringLiteral("a.bin"), QStringLiteral("b.bin")});
  QStringList seen;
  modals_->actions.push_back([&](QDialog& dialog) {
    auto& join = static_cast<TFormJ&>(dialog);
    QShowEvent again;
    QCoreApplication::sendEvent(&join, &again);
    seen = linesOf(join.sourceFiles());
    join.destination()->setText(listed_->filePath(QStringLiteral("joined.bin")));
    join.BitBtn3Click();
  });
  window_->joinClick();
  QVERIFY(modals_->actions.empty());
  QCOMPARE(modals_->leftOpen, 0);
  // The list shows the system's own separators.
  QCOMPARE(seen,
           (QStringList{QDir::toNativeSeparators(listed_->filePath(QStringLiteral("a.bin"))),
                        QDir::toNativeSeparators(listed_->filePath(QStringLiteral("b.bin")))}));
  QFile joined(listed_->filePath(QStringLiteral("joined.bin")));
  QVERIFY(joined.open(QIODevice::ReadOnly));
  QCOMPARE(joined.readAll(), QByteArray("AA\0\r\nBBB", 8));

  // The next opening takes the selection afresh, once.
  select({QStringLiteral("a.bin"), QStringLiteral("b.bin")});
  modals_->actions.push_back([&](QDialog& dialog) {
    seen = linesOf(static_cast<TFormJ&>(dialog).sourceFiles());
    static_cast<TFormJ&>(dialog).BitBtn2Click();
  });
  window_->joinClick();
  QCOMPARE(seen.size(), 2);
}

// Qt makes line 1 current when the list takes the focus; "削除" and "下へ" act only on a line
// the user selected.
void JoinDialogTest::theLineThatTakesTheFocusIsNoSelection() {
  select({QStringLiteral("a.bin"), QStringLiteral("b.bin")});
  QStringList seen;
  QStringList afterClick;
  modals_->actions.push_back([&](QDialog& dialog) {
    auto& join = static_cast<TFormJ&>(dialog);
    QListWidget* list = join.sourceFiles();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &focus);
    join.ToolButton3Click();
    join.ToolButton5Click();
    seen = linesOf(list);
    // A click selects: now "削除" removes that line.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    join.ToolButton5Click();
    afterClick = linesOf(list);
    join.BitBtn2Click();
  });
  window_->joinClick();
  QVERIFY(modals_->actions.empty());
  QCOMPARE(modals_->leftOpen, 0);
  const QString a = QDir::toNativeSeparators(listed_->filePath(QStringLiteral("a.bin")));
  const QString b = QDir::toNativeSeparators(listed_->filePath(QStringLiteral("b.bin")));
  QCOMPARE(seen, (QStringList{a, b}));
  QCOMPARE(afterClick, QStringList{a});
}

QTEST_MAIN(JoinDialogTest)
#include "test_join_dialog.moc"
