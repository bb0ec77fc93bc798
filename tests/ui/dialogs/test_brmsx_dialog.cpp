// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "ui/dialogs/Unitbr.h"
#include "ui/support/OptionControlProbe.h"
#include "ui/support/OptionDialogTest.h"
#include "ui/support/RecordingModals.h"

using vorlent::BrmsxOptions;
using vorlent::TFormBR;
using namespace vorlent::testing;

namespace {

// The window, copied from the Brmsx option dialog's tables.
const OptionWindow kWindow = {
    true, QStringLiteral("コマンド編集 for BrMSX2.6"), QSize(686, 462), 425,
    QStringList{QStringLiteral("CPU and Memory"), QStringLiteral("Video 1"),
                QStringLiteral("Video 2"), QStringLiteral("Video 3"), QStringLiteral("Sound"),
                QStringLiteral("I/O 1"), QStringLiteral("I/O 2"), QStringLiteral("Multiplayer"),
                QStringLiteral("Control")}};

int& fieldNamed(BrmsxOptions& options, const QString& name) {
  if (name == QLatin1String("ifreq")) return options.ifreq;
  if (name == QLatin1String("megaram")) return options.megaram;
  if (name == QLatin1String("cpu")) return options.cpu;
  if (name == QLatin1String("mapper")) return options.mapper;
  if (name == QLatin1String("ram")) return options.ram;
  if (name == QLatin1String("Korean")) return options.Korean;
  if (name == QLatin1String("vsync")) return options.vsync;
  if (name == QLatin1String("frame")) return options.frame;
  if (name == QLatin1String("green")) return options.green;
  if (name == QLatin1String("allspr")) return options.allspr;
  if (name == QLatin1String("vdptiming")) return options.vdptiming;
  if (name == QLatin1String("advram")) return options.advram;
  if (name == QLatin1String("nocache")) return options.nocache;
  if (name == QLatin1String("cpug")) return options.cpug;
  if (name == QLatin1String("psgg")) return options.psgg;
  if (name == QLatin1String("trtimer")) return options.trtimer;
  if (name == QLatin1String("nosound")) return options.nosound;
  if (name == QLatin1String("scc")) return options.scc;
  if (name == QLatin1String("fmpac")) return options.fmpac;
  if (name == QLatin1String("speaker")) return options.speaker;
  if (name == QLatin1String("sq")) return options.sq;
  if (name == QLatin1String("sr")) return options.sr;
  if (name == QLatin1String("diskhl")) return options.diskhl;
  if (name == QLatin1String("dos2")) return options.dos2;
  if (name == QLatin1String("joy")) return options.joy;
  if (name == QLatin1String("snespad")) return options.snespad;
  if (name == QLatin1String("fakejoy")) return options.fakejoy;
  if (name == QLatin1String("joysens")) return options.joysens;
  if (name == QLatin1String("autofire")) return options.autofire;
  if (name == QLatin1String("autorun")) return options.autorun;
  if (name == QLatin1String("autospeed")) return options.autospeed;
  if (name == QLatin1String("multi")) return options.multi;
  if (name == QLatin1String("com")) return options.com;
  if (name == QLatin1String("nommx")) return options.nommx;
  if (name == QLatin1String("nomouse")) return options.nomouse;
  if (name == QLatin1String("novesa")) return options.novesa;
  if (name == QLatin1String("noled")) return options.noled;
  if (name == QLatin1String("nopentium")) return options.nopentium;
  if (name == QLatin1String("help")) return options.help;
  if (name == QLatin1String("noenter")) return options.noenter;
  qFatal("no such field");
}

void choiceRows() {
  QTest::newRow("ifreq") << QStringLiteral("ifreq") << QStringLiteral("CPU and Memory")
                         << QStringLiteral("-ifreq <n> change interrupt frequency")
                         << QStringList{QStringLiteral("50Hz"), QStringLiteral("60Hz")} << 1 << 0;
  QTest::newRow("megaram") << QStringLiteral("megaram") << QStringLiteral("CPU and Memory")
                           << QStringLiteral("-mageram <Select the size of the MegaRAM> [256]")
                           << QStringList{QStringLiteral("128kb"), QStringLiteral("256kb"),
                                          QStringLiteral("512kb"), QStringLiteral("1Mb"),
                                          QStringLiteral("2Mb ")}
                           << 2 << 1;
  QTest::newRow("mapper") << QStringLiteral("mapper") << QStringLiteral("CPU and Memory")
                          << QStringLiteral("-mapper<Select the size of the Memory Mapper> [128]")
                          << QStringList{QStringLiteral("64kb"),  QStringLiteral("128kb"),
                                         QStringLiteral("256kb"), QStringLiteral("512kb"),
                                         QStringLiteral("1Mb"),   QStringLiteral("2Mb"),
                                         QStringLiteral("4Mb ")}
                          << 2 << 1;
  QTest::newRow("ram") << QStringLiteral("ram") << QStringLiteral("CPU and Memory")
                       << QStringLiteral("-ramslot <n> select slot of RAM [3]")
                       << QStringList{QStringLiteral("2"), QStringLiteral("3")} << 1 << 0;
  QTest::newRow("Korean")
      << QStringLiteral("Korean") << QStringLiteral("CPU and Memory")
      << QStringLiteral("-korean <enable Korean memory layout> (require Korean MSX.ROM/MSXHAN.ROM)")
      << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("vsync") << QStringLiteral("vsync") << QStringLiteral("Video 1")
                         << QStringLiteral("Sync")
                         << QStringList{QStringLiteral("OFF"),
                                        QStringLiteral(
                                            "-vsync  sync with the monitor and the internal timer"),
                                        QStringLiteral("-truevsync  sync with the monitor only "
                                                       "(require monitor with 60Hz refresh)")}
                         << 1 << 0;
  QTest::newRow("green") << QStringLiteral("green") << QStringLiteral("Video 1")
                         << QStringLiteral(
                                "-green <Use this to enable the green monitor emulator.> [OFF]")
                         << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("allspr") << QStringLiteral("allspr") << QStringLiteral("Video 2")
                          << QStringLiteral("Sprite Option")
                          << QStringList{QStringLiteral("OFF"),
                                         QStringLiteral("-allspr   disable 5th sprite ocultation"),
                                         QStringLiteral("-nosprcol   disable sprite collision")}
                          << 1 << 0;
  QTest::newRow("vdptiming")
      << QStringLiteral("vdptiming") << QStringLiteral("Video 2") << QStringLiteral("VDP Timing")
      << QStringList{QStringLiteral("OFF"),
                     QStringLiteral(
                         "-vdptiming  enable emulation of VDP timing (default in MSX-1 mode)"),
                     QStringLiteral("-novdptiming  disable emulation of VDP timing (default in "
                                    "MSX-2 and 2+ modes)")}
      << 1 << 0;
  QTest::newRow("advram") << QStringLiteral("advram") << QStringLiteral("Video 2")
                          << QStringLiteral("-advram <enable ADVRAM emulation>")
                          << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("nocache") << QStringLiteral("nocache") << QStringLiteral("Video 3")
                           << QStringLiteral(
                                  "-nocache <This option disables the video cache.> [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("cpug") << QStringLiteral("cpug") << QStringLiteral("Video 3")
                        << QStringLiteral("-cpugraph <This option enables the CPU graph.> [OFF]")
                        << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("psgg") << QStringLiteral("psgg") << QStringLiteral("Video 3")
                        << QStringLiteral("-psggraph <This option enables the PSG graph.> [OFF]")
                        << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("trtimer") << QStringLiteral("trtimer") << QStringLiteral("Video 3")
                           << QStringLiteral("-trtimer <enable high resolution timer> [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("nosound") << QStringLiteral("nosound") << QStringLiteral("Sound")
                           << QStringLiteral("-nosound <Disable the sound engine.> [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("scc") << QStringLiteral("scc") << QStringLiteral("Sound")
                       << QStringLiteral("-scc <Enable the SCC emulation.> [OFF]")
                       << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("fmpac") << QStringLiteral("fmpac") << QStringLiteral("Sound")
                         << QStringLiteral("-fmpac <Enable the FM-PAC emulation.> [OFF]")
                         << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("speaker") << QStringLiteral("speaker") << QStringLiteral("Sound")
                           << QStringLiteral("-speaker <Enable sound through the PC Spkr.>[OFF}")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("diskhl") << QStringLiteral("diskhl") << QStringLiteral("I/O 1")
                          << QStringLiteral("disk emulation")
                          << QStringList{QStringLiteral("OFF"),
                                         QStringLiteral("-disklow    low-level, port-based disk "
                                                        "emulation (default in MSX-1 mode)"),
                                         QStringLiteral("-diskhigh   high-level, patch-based disk "
                                                        "emulation (default in MSX-2 mode)")}
                          << 1 << 0;
  QTest::newRow("dos2") << QStringLiteral("dos2") << QStringLiteral("I/O 1")
                        << QStringLiteral("-dos2 <enable MSX-DOS 2 emulation> (require DOS2.ROM)")
                        << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("joy") << QStringLiteral("joy") << QStringLiteral("I/O 1")
                       << QStringLiteral("-joy <Enable the joystick emulation.> [OFF]")
                       << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("snespad") << QStringLiteral("snespad") << QStringLiteral("I/O 1")
                           << QStringLiteral(
                                  "-snespad <Enable a SNESpad connected to LPT1 and make it act as "
                                  "the joystick in port A.> [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("fakejoy") << QStringLiteral("fakejoy") << QStringLiteral("I/O 2")
                           << QStringLiteral("-fakejoy <Map the KeyBord into the port A.> [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("autofire") << QStringLiteral("autofire") << QStringLiteral("I/O 2")
                            << QStringLiteral(
                                   "-autofire <This option enables the automatic fire.> [OFF]")
                            << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("autorun") << QStringLiteral("autorun") << QStringLiteral("I/O 2")
                           << QStringLiteral(
                                  "-autorun <This option is similar to the above, but it press the "
                                  "left and right keys. .> [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("multi")
      << QStringLiteral("multi") << QStringLiteral("Multiplayer")
      << QStringLiteral("Multi Player Option")
      << QStringList{QStringLiteral("NO USED"),
                     QStringLiteral("-server <Select the computer as the server.>"),
                     QStringLiteral("-client <Select the computer as the client.>    ")}
      << 1 << 0;
  QTest::newRow("com") << QStringLiteral("com") << QStringLiteral("Multiplayer")
                       << QStringLiteral("-com <port> Select the COM serial port  ")
                       << QStringList{QStringLiteral("NO USED"), QStringLiteral("1"),
                                      QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}
                       << 6 << 0;
  QTest::newRow("nommx") << QStringLiteral("nommx") << QStringLiteral("Control")
                         << QStringLiteral("-nommx <Disable the MMX >  [OFF]")
                         << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("nomouse") << QStringLiteral("nomouse") << QStringLiteral("Control")
                           << QStringLiteral("-nomouse <Disable the mouse detection.>  [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("novesa") << QStringLiteral("novesa") << QStringLiteral("Control")
                          << QStringLiteral("-novesa <Disable the VESA detection.>  [OFF]")
                          << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("noled") << QStringLiteral("noled") << QStringLiteral("Control")
                         << QStringLiteral("-noled <Disable the LED emulation.>  [OFF]")
                         << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("nopentium") << QStringLiteral("nopentium") << QStringLiteral("Control")
                             << QStringLiteral("-nopentium <Disable the Pentium extensions>  [OFF]")
                             << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("help") << QStringLiteral("help") << QStringLiteral("Control")
                        << QStringLiteral("-help Show a small help screen.>  [OFF]")
                        << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 1 << 0;
  QTest::newRow("noenter") << QStringLiteral("noenter") << QStringLiteral("Control")
                           << QStringLiteral(
                                  "-noenter <Disable the enter pressing at start.>  [OFF]")
                           << QStringList{QStringLiteral("OFF"), QStringLiteral("ON")} << 2 << 0;
}

void sliderRows() {
  QTest::newRow("cpu") << QStringLiteral("cpu") << QStringLiteral("GroupBox1")
                       << QStringLiteral("CPU and Memory") << QStringLiteral("emulation speed") << 0
                       << 3 << 50 << 1 << 1
                       << QStringList{QStringLiteral("Nomal"), QStringLiteral("Ciel"),
                                      QStringLiteral("Fast"), QStringLiteral("Turbo")}
                       << 0 << 0;
  QTest::newRow("frame") << QStringLiteral("frame") << QStringLiteral("GroupBox2")
                         << QStringLiteral("Video 1")
                         << QStringLiteral("-frame <This option adjust the frame skipping.> [1]")
                         << 1 << 10 << 50 << 1 << 1
                         << QStringList{QStringLiteral("1"), QStringLiteral("5"),
                                        QStringLiteral("10")}
                         << 0 << 1;
  QTest::newRow("sq") << QStringLiteral("sq") << QStringLiteral("GroupBox5")
                      << QStringLiteral("Sound")
                      << QStringLiteral(
                             "-speaq <n>     select quality for PC speaker sound (range is 1 to 9)")
                      << 1 << 9 << 50 << 1 << 1
                      << QStringList{QStringLiteral("1"), QStringLiteral("9")} << 0 << 1;
  QTest::newRow("sr") << QStringLiteral("sr") << QStringLiteral("GroupBox3")
                      << QStringLiteral("Sound")
                      << QStringLiteral("-sr <Change the quality of PC speaker sound.> [45455]")
                      << 455 << 45455 << 50 << 900 << 900
                      << QStringList{QStringLiteral("455"), QStringLiteral("22955"),
                                     QStringLiteral("45455")}
                      << 2 << 45455;
  QTest::newRow("joysens") << QStringLiteral("joysens") << QStringLiteral("GroupBox4")
                           << QStringLiteral("I/O 2")
                           << QStringLiteral("-joysens  <Adjust the joystick sensivity.> [3]") << 0
                           << 7 << 1 << 1 << 1
                           << QStringList{QStringLiteral("0"), QStringLiteral("3"),
                                          QStringLiteral("7")}
                           << 1 << 3;
  QTest::newRow("autospeed")
      << QStringLiteral("autospeed") << QStringLiteral("autospeedr") << QStringLiteral("I/O 2")
      << QStringLiteral("-autospeed <Change the quality of PC speaker sound.> [5]") << 0 << 9 << 1
      << 1 << 1 << QStringList{QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("9")} << 1
      << 5;
}

// Every field away from its reset value, inside the controls' ranges.
BrmsxOptions awayFromReset() {
  BrmsxOptions options;
  options.ifreq = 1;
  options.cpu = 2;
  options.ram = 1;
  options.Korean = 1;
  options.megaram = 3;
  options.mapper = 6;
  options.vsync = 2;
  options.green = 1;
  options.frame = 4;
  options.allspr = 1;
  options.vdptiming = 2;
  options.nocache = 1;
  options.cpug = 1;
  options.psgg = 1;
  options.nosound = 1;
  options.scc = 1;
  options.fmpac = 1;
  options.speaker = 1;
  options.sr = 900;
  options.joy = 1;
  options.joysens = 7;
  options.fakejoy = 1;
  options.snespad = 1;
  options.autofire = 1;
  options.autorun = 1;
  options.autospeed = 0;
  options.nommx = 1;
  options.nomouse = 1;
  options.novesa = 1;
  options.noled = 1;
  options.nopentium = 1;
  options.help = 1;
  options.noenter = 1;
  options.sq = 9;
  options.multi = 2;
  options.com = 3;
  options.trtimer = 1;
  options.dos2 = 1;
  options.advram = 1;
  options.diskhl = 2;
  return options;
}

void limitRows() {
  QTest::newRow("com 9") << QStringLiteral("com") << 9 << 4 << QStringLiteral("4");
  QTest::newRow("megaram 5") << QStringLiteral("megaram") << 5 << 4 << QStringLiteral("2Mb ");
  QTest::newRow("green 2") << QStringLiteral("green") << 2 << 1 << QStringLiteral("ON");
  QTest::newRow("multi -3") << QStringLiteral("multi") << -3 << -1 << QString();
  QTest::newRow("diskhl -1") << QStringLiteral("diskhl") << -1 << -1 << QString();
  QTest::newRow("sr 100") << QStringLiteral("sr") << 100 << 455 << QString();
  QTest::newRow("sr 50000") << QStringLiteral("sr") << 50000 << 45455 << QString();
  QTest::newRow("frame 0") << QStringLiteral("frame") << 0 << 1 << QString();
  QTest::newRow("cpu 7") << QStringLiteral("cpu") << 7 << 3 << QString();
  QTest::newRow("joysens -2") << QStringLiteral("joysens") << -2 << 0 << QString();
}

void keyRows() {
  // An arrow step larger than the range goes straight to the end.
  QTest::newRow("cpu right") << QStringLiteral("cpu") << int(Qt::Key_Right) << 3;
  QTest::newRow("cpu page up") << QStringLiteral("cpu") << int(Qt::Key_PageUp) << 1;
  QTest::newRow("frame right") << QStringLiteral("frame") << int(Qt::Key_Right) << 10;
  QTest::newRow("sq right") << QStringLiteral("sq") << int(Qt::Key_Right) << 9;
  QTest::newRow("sr left") << QStringLiteral("sr") << int(Qt::Key_Left) << 45405;
  QTest::newRow("sr page down") << QStringLiteral("sr") << int(Qt::Key_PageDown) << 44555;
  QTest::newRow("joysens right") << QStringLiteral("joysens") << int(Qt::Key_Right) << 4;
  QTest::newRow("autospeed left") << QStringLiteral("autospeed") << int(Qt::Key_Left) << 4;
}

}  // namespace

class BrmsxDialogTest : public OptionDialogTestOf<TFormBR, BrmsxOptions> {
  Q_OBJECT

 public:
  BrmsxDialogTest()
      : OptionDialogTestOf({kWindow,
                            fieldNamed,
                            awayFromReset,
                            choiceRows,
                            sliderRows,
                            limitRows,
                            keyRows,
                            {QStringLiteral("megaram"), 1, 3, QStringLiteral("sr"), 45455, 900},
                            QStringLiteral("joysens"),
                            6}) {}

 private Q_SLOTS:
  void theMenuBarHasItsOneItem();
  void theMenuItemClosesAsTheCloseButtonDoes();
};

void BrmsxDialogTest::theMenuBarHasItsOneItem() {
  BrmsxOptions options;
  TFormBR dialog(options);
  auto* menuBar = dialog.findChild<QMenuBar*>();
  QVERIFY(menuBar != nullptr);
  const QList<QAction*> menus = menuBar->actions();
  QCOMPARE(menus.size(), 1);
  QCOMPARE(menus[0]->text(), QStringLiteral("ファイル(&F)"));
  QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("File1"));
  const QList<QAction*> items = menus[0]->menu()->actions();
  QCOMPARE(items.size(), 1);
  QCOMPARE(items[0]->text(), QStringLiteral("閉じる(&C)"));
  QCOMPARE(items[0]->objectName(), QStringLiteral("Close1"));
}

void BrmsxDialogTest::theMenuItemClosesAsTheCloseButtonDoes() {
  checkResetThenCloseLeavesTheSet<TFormBR, BrmsxOptions>(
      awayFromReset(), {QStringLiteral("diskhl"), 0, 2, QStringLiteral("sr"), 45455, 900},
      [](QDialog& shown) { shown.findChild<QAction*>(QStringLiteral("Close1"))->trigger(); });
}

QTEST_MAIN(BrmsxDialogTest)
#include "test_brmsx_dialog.moc"
