// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "ui/dialogs/Unit2.h"
#include "ui/support/OptionControlProbe.h"
#include "ui/support/OptionDialogTest.h"
#include "ui/support/RecordingModals.h"

using vorlent::FmsxOptions;
using vorlent::TForm2;
using namespace vorlent::testing;

namespace {

// The window, copied from the Fmsx option dialog's tables.
const OptionWindow kWindow = {
    false, QStringLiteral("コマンド編集 for fMSX MS-DOS1.6b2a"), QSize(618, 389), 345,
    QStringList{QStringLiteral("CPU and Memory I/O"), QStringLiteral("Screen (1)"),
                QStringLiteral("Screen(2)"), QStringLiteral("Sound (1)"),
                QStringLiteral("Sound(SWE32)"), QStringLiteral("Start Up")}};

int& fieldNamed(FmsxOptions& options, const QString& name) {
  if (name == QLatin1String("ifreq")) return options.ifreq;
  if (name == QLatin1String("vram")) return options.vram;
  if (name == QLatin1String("ram")) return options.ram;
  if (name == QLatin1String("joystick")) return options.joystick;
  if (name == QLatin1String("swapb")) return options.swapb;
  if (name == QLatin1String("speed")) return options.speed;
  if (name == QLatin1String("sync")) return options.sync;
  if (name == QLatin1String("adjust")) return options.adjust;
  if (name == QLatin1String("sprite")) return options.sprite;
  if (name == QLatin1String("modeswitch")) return options.modeswitch;
  if (name == QLatin1String("chipset")) return options.chipset;
  if (name == QLatin1String("uperiod")) return options.uperiod;
  if (name == QLatin1String("sound")) return options.sound;
  if (name == QLatin1String("vol")) return options.vol;
  if (name == QLatin1String("scc")) return options.scc;
  if (name == QLatin1String("fmpac")) return options.fmpac;
  if (name == QLatin1String("sq")) return options.sq;
  if (name == QLatin1String("stereo")) return options.stereo;
  if (name == QLatin1String("reveb")) return options.reveb;
  if (name == QLatin1String("chorus")) return options.chorus;
  if (name == QLatin1String("verbose")) return options.verbose;
  qFatal("no such field");
}

void choiceRows() {
  QTest::newRow("ifreq") << QStringLiteral("ifreq") << QStringLiteral("CPU and Memory I/O")
                         << QStringLiteral("-ifreq <frequency> Set interrupt frequency [50Hz]")
                         << QStringList{QStringLiteral("50Hz"), QStringLiteral("60Hz")} << 1 << 0;
  QTest::newRow("vram") << QStringLiteral("vram") << QStringLiteral("CPU and Memory I/O")
                        << QStringLiteral("-vram <pages> Number of 16kB VRAM pages [8]")
                        << QStringList{QStringLiteral("4"), QStringLiteral("8")} << 1 << 1;
  QTest::newRow("ram") << QStringLiteral("ram") << QStringLiteral("CPU and Memory I/O")
                       << QStringLiteral("-ram <pages> Number of 16kB RAM pages [8]")
                       << QStringList{QStringLiteral("2"), QStringLiteral("8")} << 1 << 1;
  QTest::newRow("joystick") << QStringLiteral("joystick") << QStringLiteral("CPU and Memory I/O")
                            << QStringLiteral("-joystick <mode> Select joystick mode [1]")
                            << QStringList{QStringLiteral("0 - No joystick support"),
                                           QStringLiteral("1 - Emulate joystick at port 1"),
                                           QStringLiteral("2 - Emulate joystick at port 2")}
                            << 1 << 1;
  QTest::newRow("swapb") << QStringLiteral("swapb") << QStringLiteral("CPU and Memory I/O")
                         << QStringLiteral("-swapbuttons <mode> Swap/Do not swap buttons [0]")
                         << QStringList{QStringLiteral("0 - Do not swap buttons"),
                                        QStringLiteral("1 - Swap joystick buttons")}
                         << 1 << 0;
  QTest::newRow("sync") << QStringLiteral("sync") << QStringLiteral("Screen (1)")
                        << QStringLiteral("-sync <mode> Set synchronisation mode [1]")
                        << QStringList{QStringLiteral("0 - Do not sync emulation"),
                                       QStringLiteral("1 - Sync emulation on every VDP interrupt")}
                        << 1 << 1;
  QTest::newRow("adjust") << QStringLiteral("adjust") << QStringLiteral("Screen (1)")
                          << QStringLiteral(
                                 "-adjust <mode> Set VDP screen adjustment emulation mode [0]")
                          << QStringList{QStringLiteral("0 - Do not emulate VDP screen adjustment"),
                                         QStringLiteral("1 - Emulate horizontal adjustment only"),
                                         QStringLiteral("2 - Emulate vertical adjustment only"),
                                         QStringLiteral("3 - Fully emulate VDP screen adjustment")}
                          << 1 << 0;
  QTest::newRow("sprite") << QStringLiteral("sprite") << QStringLiteral("Screen (1)")
                          << QStringLiteral("-sprite <mode> Select sprite emulation mode [0]")
                          << QStringList{QStringLiteral("0 - Show all sprites"),
                                         QStringLiteral(
                                             "1 - Limit number of sprites per row to 4/8")}
                          << 1 << 0;
  QTest::newRow("modeswitch") << QStringLiteral("modeswitch") << QStringLiteral("Screen(2)")
                              << QStringLiteral(
                                     "-modeswitch <mode> Allow/Don't allow VGA mode switches [0]")
                              << QStringList{QStringLiteral("0 - Don't allow VGA mode switches"),
                                             QStringLiteral("1 - Allow VGA mode switches")}
                              << 1 << 0;
  QTest::newRow("chipset") << QStringLiteral("chipset") << QStringLiteral("Screen(2)")
                           << QStringLiteral("-chipset <id> Select SVGA chipset [255]")
                           << QStringList{QStringLiteral("0    - VESA"),
                                          QStringLiteral("1    - S3"),
                                          QStringLiteral("255 - Detect")}
                           << 1 << 2;
  QTest::newRow("uperiod")
      << QStringLiteral("uperiod") << QStringLiteral("Screen(2)")
      << QStringLiteral("-uperiod <period>Set number of interrupts per screen update [2]")
      << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                     QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                     QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")}
      << 3 << 1;
  QTest::newRow("sound") << QStringLiteral("sound") << QStringLiteral("Sound (1)")
                         << QStringLiteral("-sound <mode> Select audio mode [255]")
                         << QStringList{QStringLiteral("0 - No sound"),
                                        QStringLiteral("1 - Internal Speaker"),
                                        QStringLiteral("2 - Adlib"),
                                        QStringLiteral("3 - Sound Blaster"),
                                        QStringLiteral("4 - Gravis Ultrasound"),
                                        QStringLiteral("5 - SB AWE32"),
                                        QStringLiteral("255 - Detect")}
                         << 1 << 6;
  QTest::newRow("scc") << QStringLiteral("scc") << QStringLiteral("Sound (1)")
                       << QStringLiteral("-scc <mode> Set SCC emulation mode [1]")
                       << QStringList{QStringLiteral("0 - SCC emulation off"),
                                      QStringLiteral("1 - SCC emulation on")}
                       << 1 << 1;
  QTest::newRow("fmpac") << QStringLiteral("fmpac") << QStringLiteral("Sound (1)")
                         << QStringLiteral("-fmpac <mode> Set FM-PAC emulation mode [0]")
                         << QStringList{QStringLiteral("0 - FM-PAC emulation off"),
                                        QStringLiteral("1 - FM-PAC emulation via OPL2 (Adlib)"),
                                        QStringLiteral(
                                            "2 - FM-PAC emulation via MPU401 (General MIDI)"),
                                        QStringLiteral("3 - FM-PAC emulation via MPU401 & OPL2")}
                         << 1 << 0;
  QTest::newRow("sq") << QStringLiteral("sq") << QStringLiteral("Sound (1)")
                      << QStringLiteral(
                             "-soundquality [-sq] Set sound quality (SoundBlaster only) [3]")
                      << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5")}
                      << 5 << 2;
  QTest::newRow("verbose") << QStringLiteral("verbose") << QStringLiteral("Start Up")
                           << QStringLiteral("-verbose <flags> Select debugging messages [1]")
                           << QStringList{QStringLiteral("0 - Silent"),
                                          QStringLiteral("1 - Startup messages"),
                                          QStringLiteral("2 - V9938 ops"),
                                          QStringLiteral("4 - Disk"),
                                          QStringLiteral("8 - Memory"),
                                          QStringLiteral("16 - Illegal Z80 ops")}
                           << 1 << 1;
}

void sliderRows() {
  QTest::newRow("speed") << QStringLiteral("speed") << QStringLiteral("cpuspeed")
                         << QStringLiteral("CPU and Memory I/O")
                         << QStringLiteral("-cpuspeed <%>  Set Z80 CPU speed [100%]") << 50 << 599
                         << 50 << 50 << 50
                         << QStringList{QStringLiteral("100"), QStringLiteral("300"),
                                        QStringLiteral("599")}
                         << 0 << 100;
  QTest::newRow("vol") << QStringLiteral("vol") << QStringLiteral("volume")
                       << QStringLiteral("Sound (1)")
                       << QStringLiteral("-volume <volume> Set initial volume [10]") << 0 << 15 << 1
                       << 10 << 1
                       << QStringList{QStringLiteral("0"), QStringLiteral("10"),
                                      QStringLiteral("15")}
                       << 1 << 10;
  QTest::newRow("stereo") << QStringLiteral("stereo") << QStringLiteral("GroupBox2")
                          << QStringLiteral("Sound(SWE32)")
                          << QStringLiteral(
                                 "-stereo <level> Set stereo panning level (SB AWE32 only) [0]")
                          << 0 << 100 << 10 << 10 << 1
                          << QStringList{QStringLiteral("0"), QStringLiteral("100")} << 0 << 0;
  QTest::newRow("reveb")
      << QStringLiteral("reveb") << QStringLiteral("GroupBox3") << QStringLiteral("Sound(SWE32)")
      << QStringLiteral("-reverb <level> Set reverb send level (SB AWE32 only) [7]") << 0 << 100
      << 10 << 10 << 1
      << QStringList{QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("100")} << 1 << 7;
  QTest::newRow("chorus") << QStringLiteral("chorus") << QStringLiteral("GroupBox4")
                          << QStringLiteral("Sound(SWE32)")
                          << QStringLiteral(
                                 "-chorus <level> Set chorus send level (SB AWE32 only) [0]")
                          << 0 << 100 << 10 << 10 << 1
                          << QStringList{QStringLiteral("0"), QStringLiteral("100")} << 0 << 0;
}

// Every field away from its reset value, inside the controls' ranges.
FmsxOptions awayFromReset() {
  FmsxOptions options;
  options.ifreq = 1;
  options.speed = 300;
  options.swapb = 1;
  options.vram = 0;
  options.ram = 0;
  options.joystick = 2;
  options.sync = 0;
  options.adjust = 3;
  options.sprite = 1;
  options.modeswitch = 1;
  options.chipset = 0;
  options.uperiod = 8;
  options.sound = 3;
  options.vol = 4;
  options.scc = 0;
  options.fmpac = 2;
  options.sq = 4;
  options.stereo = 60;
  options.reveb = 30;
  options.chorus = 90;
  options.verbose = 5;
  return options;
}

void limitRows() {
  QTest::newRow("chipset 3") << QStringLiteral("chipset") << 3 << 2
                             << QStringLiteral("255 - Detect");
  QTest::newRow("verbose 7") << QStringLiteral("verbose") << 7 << 5
                             << QStringLiteral("16 - Illegal Z80 ops");
  QTest::newRow("ifreq 2") << QStringLiteral("ifreq") << 2 << 1 << QStringLiteral("60Hz");
  QTest::newRow("uperiod huge") << QStringLiteral("uperiod") << 2147483647 << 8
                                << QStringLiteral("9");
  QTest::newRow("sound -3") << QStringLiteral("sound") << -3 << -1 << QString();
  QTest::newRow("vram -1") << QStringLiteral("vram") << -1 << -1 << QString();
  QTest::newRow("speed 20") << QStringLiteral("speed") << 20 << 50 << QString();
  QTest::newRow("speed 1000") << QStringLiteral("speed") << 1000 << 599 << QString();
  QTest::newRow("speed 600") << QStringLiteral("speed") << 600 << 599 << QString();
  QTest::newRow("vol -5") << QStringLiteral("vol") << -5 << 0 << QString();
  QTest::newRow("chorus 101") << QStringLiteral("chorus") << 101 << 100 << QString();
}

void keyRows() {
  QTest::newRow("speed right") << QStringLiteral("speed") << int(Qt::Key_Right) << 150;
  QTest::newRow("speed page up") << QStringLiteral("speed") << int(Qt::Key_PageUp) << 150;
  QTest::newRow("vol right") << QStringLiteral("vol") << int(Qt::Key_Right) << 11;
  QTest::newRow("vol page up to the end") << QStringLiteral("vol") << int(Qt::Key_PageUp) << 15;
  QTest::newRow("vol page down") << QStringLiteral("vol") << int(Qt::Key_PageDown) << 0;
  QTest::newRow("stereo right") << QStringLiteral("stereo") << int(Qt::Key_Right) << 10;
  QTest::newRow("reveb left to the end") << QStringLiteral("reveb") << int(Qt::Key_Left) << 0;
  QTest::newRow("chorus end") << QStringLiteral("chorus") << int(Qt::Key_End) << 100;
}

}  // namespace

class FmsxDialogTest : public OptionDialogTestOf<TForm2, FmsxOptions> {
  Q_OBJECT

 public:
  FmsxDialogTest()
      : OptionDialogTestOf({kWindow,
                            fieldNamed,
                            awayFromReset,
                            choiceRows,
                            sliderRows,
                            limitRows,
                            keyRows,
                            {QStringLiteral("chipset"), 2, 0, QStringLiteral("speed"), 100, 300},
                            QStringLiteral("vol"),
                            3}) {}
};

QTEST_MAIN(FmsxDialogTest)
#include "test_fmsx_dialog.moc"
