// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main window, every page of the two option dialogs, the about box and the manual's
// window to PNG files
// in the folder given as the first argument, so a person can look at them.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "launch/EmulatorStart.h"
#include "platform/Sha1Digester.h"
#include "support/SoftwareDatabaseText.h"
#include "ui/dialogs/ManualWindow.h"
#include "ui/dialogs/ShellProgressWindow.h"
#include "ui/dialogs/Unit2.h"
#include "ui/dialogs/Unit3.h"
#include "ui/dialogs/Unitbr.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/support/TestServices.h"

namespace {

bool save(QWidget& widget, const QDir& folder, const QString& name) {
  widget.show();
  QApplication::processEvents();
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  const bool saved = widget.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

bool savePages(QDialog& dialog, const QDir& folder, const QString& name) {
  auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  bool saved = true;
  for (int page = 0; pages != nullptr && page < pages->count(); ++page) {
    pages->setCurrentIndex(page);
    saved = save(dialog, folder, QStringLiteral("%1-page%2").arg(name).arg(page + 1)) && saved;
  }
  dialog.hide();
  return saved;
}

bool saveMenu(QMenu& menu, const QDir& folder, const QString& name) {
  menu.popup(QPoint(0, 0));
  const bool saved = save(menu, folder, name);
  menu.hide();
  return saved;
}

// The slot menu with a mounted ROM and a database beside the program, the list menu of one
// .rom file and the box of its "ROM 情報".
bool saveRomIdentification(vorlent::TForm1& window, const QString& programFolder,
                           const QDir& folder) {
  QTemporaryDir media;
  const QString rom = media.filePath(QStringLiteral("SPACE MANBOW.ROM"));
  QFile image(rom);
  if (!image.open(QIODevice::WriteOnly) || image.write("scc") != 3) {
    return false;
  }
  image.close();
  QFile database(programFolder + QStringLiteral("/softwaredb.xml"));
  const std::string text = vorlent::testing::softwareDatabaseText(
      {{"Space Manbow",
        "Konami",
        "1989",
        "JP",
        "MSX2",
        {{vorlent::sha1Hex(vorlent::makeSha1Digester()->digestOf("scc")), "KonamiSCC", true}}}});
  if (!database.open(QIODevice::WriteOnly) ||
      database.write(text.data(), static_cast<qint64>(text.size())) < 0) {
    return false;
  }
  database.close();
  vorlent::FileListEntry entry;
  entry.caption = "SPACE MANBOW.ROM";
  entry.fullPath = vorlent::toCore(rom);
  window.fileList().assign({entry});
  window.fileList().setSelected(0, true);
  window.fileList().setFocused(0);
  const auto& slot = window.mediaToolbar().cartridgeSlots[0];
  slot.button->click();
  bool saved = saveMenu(*slot.menu, folder, QStringLiteral("slot1-menu"));
  slot.identifyItem->trigger();
  saved = saveMenu(*slot.menu, folder, QStringLiteral("slot1-menu-identified")) && saved;
  saved = save(window, folder, QStringLiteral("main-window-identified")) && saved;
  window.PopupMenulistPopup();
  saved = saveMenu(*window.listMenu().menu, folder, QStringLiteral("list-menu-rom")) && saved;
  QTimer::singleShot(200, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      saved = save(*box, folder, QStringLiteral("rom-information")) && saved;
      box->accept();
    }
  });
  window.listMenu().romInformation->trigger();
  return saved;
}

// The shell's question before it replaces a file, over the main window.
bool saveReplaceQuestion(vorlent::TForm1& window, const QDir& folder) {
  bool saved = false;
  QTimer::singleShot(200, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      saved = save(*box, folder, QStringLiteral("replace-question"));
      box->reject();
    }
  });
  const auto questions = vorlent::makeQtModalPresenter();
  vorlent::ShellProgressWindow(&window, *questions).askReplace("/media/SPACE MANBOW.ROM", false);
  return saved;
}

// A start refused for a staging folder another user made: the reason on the second line.
bool saveStartFailure(vorlent::TForm1& window, const QDir& folder) {
  bool saved = false;
  QTimer::singleShot(200, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      saved = save(*box, folder, QStringLiteral("start-failure-untrusted-folder"));
      box->accept();
    }
  });
  const auto boxes = vorlent::makeQtModalPresenter();
  const vorlent::StartResult refused = vorlent::StartResult::untrustedFolder(
      13, "/tmp/vorlent-dosbox-1000", vorlent::FolderDistrust::OtherOwner);
  vorlent::showMessageBox(*boxes, &window, vorlent::MessageKind::Information,
                          vorlent::toQt(vorlent::startFailureText("\"brmsx.exe\"", refused)));
  return saved;
}

// The manual, as the help command shows it without a help file beside the program.
bool saveManual(vorlent::TForm1& window, const QDir& folder) {
  vorlent::showManualWindow(window);
  auto* manual = window.findChild<QDialog*>(QStringLiteral("ManualWindow"));
  const bool saved = manual != nullptr && save(*manual, folder, QStringLiteral("manual-window"));
  if (manual != nullptr) {
    manual->close();
  }
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_screenshots FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(QStringLiteral("."))) {
    return 1;
  }
  QTemporaryDir programFolder;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  // Qt's own modal loop, so that the box drawn is the one the program shows.
  services.modals = vorlent::makeQtModalPresenter();
  vorlent::TForm1 window(std::move(services));
  window.resize(1024, 600);
  bool saved = save(window, folder, QStringLiteral("main-window"));
  saved = savePages(window.fmsxDialog(), folder, QStringLiteral("fmsx-options")) && saved;
  saved = savePages(window.brmsxDialog(), folder, QStringLiteral("brmsx-options")) && saved;
  saved = save(window.aboutBox(), folder, QStringLiteral("about-box")) && saved;
  saved = saveRomIdentification(window, programFolder.path(), folder) && saved;
  saved = saveReplaceQuestion(window, folder) && saved;
  saved = saveStartFailure(window, folder) && saved;
  saved = saveManual(window, folder) && saved;
  return saved ? 0 : 1;
}
