// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/qt/SoundModulePlayer.h"
#include "ui/support/TestServices.h"

// The sound libraries are loaded with the sound player module at the first cue, not with the
// program. This file runs in a process of its own, so that no other test loaded them before.
class SoundModuleTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void theWindowLoadsTheSoundLibrariesAtItsFirstCue();
  void withoutTheModuleNothingPlays();
};

namespace {

bool mapped(const char* library) {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

}  // namespace

void SoundModuleTest::theWindowLoadsTheSoundLibrariesAtItsFirstCue() {
  QTemporaryDir programFolder;
  QVERIFY(QDir(programFolder.path()).mkdir(QStringLiteral("sound")));
  QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/sound/ok.wav"),
                      programFolder.filePath(QStringLiteral("sound/ok.wav"))));
  int defaultSounds = 0;
  vorlent::MainWindowServices services = vorlent::testing::servicesIn(programFolder.path());
  services.defaultSound = [&] { ++defaultSounds; };
  vorlent::TForm1 window(std::move(services));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(!mapped("libvorlent_sound.so"));
  QVERIFY(!mapped("libQt6Multimedia"));

  window.feedback().playSoundCue(vorlent::SoundCue::Ok);
  QVERIFY(mapped("libvorlent_sound.so"));
  QVERIFY(mapped("libQt6Multimedia"));
  QCOMPARE(window.sounds().currentSource(), programFolder.filePath(QStringLiteral("sound/ok.wav")));
  QCOMPARE(defaultSounds, 0);
}

void SoundModuleTest::withoutTheModuleNothingPlays() {
  QTemporaryDir elsewhere;
  const std::string cue = vorlent::toCore(QCoreApplication::applicationDirPath()) + "/sound/ok.wav";
  auto player = vorlent::makeSoundModulePlayer(vorlent::toCore(elsewhere.path()) + "/");
  QVERIFY(!player->playAsync(cue));
  player->stop();
  QVERIFY(!player->playAsync(cue));
}

QTEST_MAIN(SoundModuleTest)
#include "test_sound_module.moc"
