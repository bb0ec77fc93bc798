// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>
#include <string>

#include "platform/Failure.h"
#include "ui/dialogs/ShellProgressWindow.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/qt/SoundCuePlayer.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/TestServices.h"

using vorlent::MessageKind;
using vorlent::TForm1;

class FeedbackTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Every test starts in the same folder, whatever folder the one before left current.
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void mainWindowStartsWithItsCaptionStatusLineAndPanels();
  void statusLineAndPanelsTakeTheLatestText();
  void messageBoxesCarryTheirCaptionAndIcon_data();
  void messageBoxesCarryTheirCaptionAndIcon();
  void errorReportAppliesTheFullStopRule_data();
  void errorReportAppliesTheFullStopRule();
  void everyBoxDrawsANameAsWritten();
  void aFailureInACommandIsReportedAndTheWindowStaysUsable();
  void ctrlQClosesTheMainWindow();
  void aMissingCueGivesTheDefaultSound();
  void aNewCueReplacesTheOneBefore();
  void aSystemPlayerThatPlaysEverySoundGetsEveryCueAsItIs();
  void theShippedCuesAreShortMonoWaves();

 private:
  QString startFolder_ = QDir::currentPath();
};

void FeedbackTest::mainWindowStartsWithItsCaptionStatusLineAndPanels() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  window.show();
  // The first listing has replaced the initial caption with the listed folder.
  QCOMPARE(window.windowTitle(), QDir::toNativeSeparators(QDir::currentPath()));

  auto* statusLine = window.findChild<QLineEdit*>(QStringLiteral("StatusLine"));
  QVERIFY(statusLine != nullptr);
  QCOMPARE(statusLine->text(), QStringLiteral("Wellcome!!"));
  QVERIFY(statusLine->isReadOnly());
  QVERIFY(!statusLine->hasFrame());
  QCOMPARE(statusLine->font().pixelSize(), 13);
  auto* band = qobject_cast<QToolBar*>(statusLine->parentWidget());
  QVERIFY(band != nullptr);
  QCOMPARE(band->windowTitle(), QStringLiteral("インフォメーション"));

  const int widths[] = {150, 360, 50};
  for (int i = 0; i < 3; ++i) {
    auto* panel = window.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
    QVERIFY(panel != nullptr);
    // Panel 2 takes the rest of the bar, at least its own width.
    if (i < 2) {
      QCOMPARE(panel->width(), widths[i]);
    } else {
      QVERIFY(panel->width() >= widths[i]);
    }
  }
  // The start-up's tab change names the mode in panel 2.
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(),
           QStringLiteral("只今、「BRMSX 2.6(MS-DOS)」モードです"));
}

void FeedbackTest::statusLineAndPanelsTakeTheLatestText() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  window.feedback().showStatus("スロット１に \"A.ROM\" を挿入しました。");
  window.feedback().showStatus("second");
  QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text(),
           QStringLiteral("second"));
  window.feedback().setStatusPanel(vorlent::StatusPanel::DriveSize, "first");
  window.feedback().setStatusPanel(vorlent::StatusPanel::DriveSize, "総容量");
  window.feedback().setStatusPanel(vorlent::StatusPanel::EmulatorMode, "fMSX");
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusPanel1"))->text(),
           QStringLiteral("総容量"));
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->text(),
           QStringLiteral("fMSX"));
}

void FeedbackTest::messageBoxesCarryTheirCaptionAndIcon_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("icon");
  QTest::newRow("warning") << int(MessageKind::Warning) << QStringLiteral("警告")
                           << int(QMessageBox::Warning);
  QTest::newRow("error") << int(MessageKind::Error) << QStringLiteral("エラー")
                         << int(QMessageBox::Critical);
  QTest::newRow("information") << int(MessageKind::Information) << QStringLiteral("情報")
                               << int(QMessageBox::Information);
  QTest::newRow("plain") << int(MessageKind::Plain) << QStringLiteral("MSXVorlent!")
                         << int(QMessageBox::NoIcon);
}

void FeedbackTest::messageBoxesCarryTheirCaptionAndIcon() {
  QFETCH(int, kind);
  QFETCH(QString, caption);
  QFETCH(int, icon);
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.feedback().showMessageBox(static_cast<MessageKind>(kind), "-sound 3 \r\n<b>x</b>");
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  const auto& next = modals.boxes.back();
  QCOMPARE(next.title, caption);
  QCOMPARE(int(next.icon), icon);
  QCOMPARE(next.text, QStringLiteral("-sound 3 \r\n<b>x</b>"));
  QCOMPARE(next.textFormat, Qt::PlainText);
  QCOMPARE(next.buttons, QStringList{QStringLiteral("OK")});
  QCOMPARE(next.owner, &window);
}

void FeedbackTest::errorReportAppliesTheFullStopRule_data() {
  QTest::addColumn<QString>("failure");
  QTest::addColumn<QString>("shown");
  QTest::newRow("letter") << QStringLiteral("Disk error") << QStringLiteral("Disk error.");
  QTest::newRow("japanese") << QStringLiteral("ファイルが見つかりません")
                            << QStringLiteral("ファイルが見つかりません.");
  QTest::newRow("parenthesis") << QStringLiteral("I/O エラー (5)")
                               << QStringLiteral("I/O エラー (5)");
  QTest::newRow("full stop") << QStringLiteral("Done.") << QStringLiteral("Done.");
}

void FeedbackTest::errorReportAppliesTheFullStopRule() {
  QFETCH(QString, failure);
  QFETCH(QString, shown);
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.feedback().reportError(failure.toStdString());
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  const auto& next = modals.boxes.back();
  QCOMPARE(next.title, QStringLiteral("MSXVorlent!"));
  QCOMPARE(int(next.icon), int(QMessageBox::Critical));
  QCOMPARE(next.text, shown);
  QCOMPARE(next.buttons.size(), 1);
  QCOMPARE(next.owner, &window);
}

// The shell's boxes and its progress window show a name that looks like markup as written, its line
// feed marked as every control is, in a window wide enough for its caption. The progress window
// shows after a moment.
void FeedbackTest::everyBoxDrawsANameAsWritten() {
  const QString name = QStringLiteral("<b>Ys</b> &amp;\nII.rom");
  const std::string coreName = vorlent::toCore(name);
  const QString shown = QString(name).replace(QLatin1Char('\n'), QChar(0xFFFD));
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  const auto check = [&](QDialog& box, const QLabel* label) {
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY2(label->text().startsWith(shown), qPrintable(label->text()));
    QVERIFY(box.width() >= box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120);
  };
  modals.whileShown = [&](QDialog& box) {
    box.show();
    check(box, box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")));
  };
  vorlent::ShellProgressWindow shell(&window, modals);
  // The error and the trash question come worded by the platform, the name in them marked.
  shell.showError(vorlent::withControlsMarked(coreName));
  shell.askReplace(coreName, false);
  shell.askToTrash(vorlent::withControlsMarked(coreName));
  QCOMPARE(modals.boxes.size(), std::size_t{3});
  shell.progress(0, 2, "");
  QTest::qWait(vorlent::ShellProgressWindow::kShowAfterMilliseconds + 50);
  shell.progress(1, 2, coreName);
  auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("ShellProgress"));
  QVERIFY(progress != nullptr);
  check(*progress, progress->findChild<QLabel*>());
  shell.finished();
}

void FeedbackTest::aFailureInACommandIsReportedAndTheWindowStaysUsable() {
#ifdef Q_OS_WIN
  QSKIP("It makes a folder unreadable with POSIX permissions and expects errno's text");
#endif
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  const auto& modals = vorlent::testing::recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  bool ranToTheEnd = false;
  window.runCommand([&] {
    window.feedback().showStatus("before");
    throw vorlent::systemFailure(EACCES);
    ranToTheEnd = true;
  });
  QVERIFY(!ranToTheEnd);
  QCOMPARE(modals.boxes.size(), std::size_t{1});
  QCOMPARE(modals.boxes.back().text, QStringLiteral("ファイルへのアクセスが拒否されました."));
  // What the command did before the failure stays done.
  QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text(),
           QStringLiteral("before"));
  window.runCommand([&] { window.feedback().showStatus("after"); });
  QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text(),
           QStringLiteral("after"));
  QVERIFY(window.isVisible());
}

void FeedbackTest::ctrlQClosesTheMainWindow() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  QTRY_VERIFY(!window.isVisible());
}

namespace {

// Records what the cue player asks of the system's player; each sound starts or fails as told.
class RecordingWavePlayer final : public vorlent::WavePlayer {
 public:
  explicit RecordingWavePlayer(bool starts = true, bool playsEverySound = false)
      : starts_(starts), playsEverySound_(playsEverySound) {}
  bool playAsync(const std::string& path) override {
    calls << QStringLiteral("play ") + QString::fromStdString(path);
    return starts_;
  }
  void stop() override { calls << QStringLiteral("stop"); }
  bool playsEverySoundItself() const override { return playsEverySound_; }
  QStringList calls;

 private:
  bool starts_;
  bool playsEverySound_;
};

}  // namespace

void FeedbackTest::aMissingCueGivesTheDefaultSound() {
  QTemporaryDir folder;
  int defaultSounds = 0;
  auto wavePlayer = std::make_shared<RecordingWavePlayer>();
  vorlent::SoundCuePlayer player(folder.path() + QLatin1Char('/'), wavePlayer,
                                 [&] { ++defaultSounds; });
  player.play("sound/set.wav");
  QCOMPARE(defaultSounds, 1);
  player.play("sound/set.wav");
  QCOMPARE(defaultSounds, 2);
  QCOMPARE(wavePlayer->calls, QStringList({QStringLiteral("stop"), QStringLiteral("stop")}));
}

void FeedbackTest::aNewCueReplacesTheOneBefore() {
  QTemporaryDir folder;
  QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sound")));
  const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/sound/");
  for (const char* name : {"ok.wav", "reset.wav"}) {
    QVERIFY(QFile::copy(shipped + QLatin1String(name),
                        folder.path() + QStringLiteral("/sound/") + QLatin1String(name)));
  }
  for (const bool starts : {true, false}) {
    int defaultSounds = 0;
    auto wavePlayer = std::make_shared<RecordingWavePlayer>(starts);
    vorlent::SoundCuePlayer player(folder.path() + QLatin1Char('/'), wavePlayer,
                                   [&] { ++defaultSounds; });
    player.play("sound/ok.wav");
    QCOMPARE(player.currentSource(), folder.path() + QStringLiteral("/sound/ok.wav"));
    player.play("sound/reset.wav");
    QCOMPARE(player.currentSource(), folder.path() + QStringLiteral("/sound/reset.wav"));
    QCOMPARE(wavePlayer->calls,
             QStringList(
                 {QStringLiteral("stop"),
                  QStringLiteral("play ") + folder.path() + QStringLiteral("/sound/ok.wav"),
                  QStringLiteral("stop"),
                  QStringLiteral("play ") + folder.path() + QStringLiteral("/sound/reset.wav")}));
    // A sound the system cannot start gives the default sound instead.
    QCOMPARE(defaultSounds, starts ? 0 : 2);
  }
}

// Windows' player is handed each cue's path as it is, found or not, started or not, with nothing
// stopped before: the system cuts off the sound before and plays its own default sound.
void FeedbackTest::aSystemPlayerThatPlaysEverySoundGetsEveryCueAsItIs() {
  QTemporaryDir folder;
  QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sound")));
  const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/sound/");
  QVERIFY(QFile::copy(shipped + QStringLiteral("ok.wav"),
                      folder.path() + QStringLiteral("/sound/ok.wav")));
  for (const bool starts : {true, false}) {
    int defaultSounds = 0;
    auto wavePlayer = std::make_shared<RecordingWavePlayer>(starts, true);
    vorlent::SoundCuePlayer player(folder.path() + QLatin1Char('/'), wavePlayer,
                                   [&] { ++defaultSounds; });
    player.play("sound/ok.wav");
    player.play("sound/set.wav");
    QCOMPARE(
        wavePlayer->calls,
        QStringList({QStringLiteral("play ") + folder.path() + QStringLiteral("/sound/ok.wav"),
                     QStringLiteral("play ") + folder.path() + QStringLiteral("/sound/set.wav")}));
    QCOMPARE(player.currentSource(), folder.path() + QStringLiteral("/sound/set.wav"));
    QCOMPARE(defaultSounds, 0);
  }
}

void FeedbackTest::theShippedCuesAreShortMonoWaves() {
  const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/sound/");
  for (const char* name : {"ok.wav", "set.wav", "error.wav", "reset.wav"}) {
    QFile file(shipped + QLatin1String(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), name);
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(bytes.at(22), char(1));   // mono
    QCOMPARE(bytes.at(34), char(16));  // 16-bit
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    const auto dataBytes = qFromLittleEndian<quint32>(bytes.constData() + 40);
    QCOMPARE(qsizetype(dataBytes), bytes.size() - 44);
    QVERIFY2(dataBytes < 22050u * 2u / 2u, "a cue lasts under half a second");
  }
}

QTEST_MAIN(FeedbackTest)
#include "test_feedback.moc"
