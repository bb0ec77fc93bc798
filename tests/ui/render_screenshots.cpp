// Renders the main window, every page of the two option dialogs and the about box to PNG files
// in the folder given as the first argument, so a person can look at them.

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "support/TestServices.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unitbr.h"

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
  vorlent::TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  window.resize(1024, 600);
  bool saved = save(window, folder, QStringLiteral("main-window"));
  saved = savePages(window.fmsxDialog(), folder, QStringLiteral("fmsx-options")) && saved;
  saved = savePages(window.brmsxDialog(), folder, QStringLiteral("brmsx-options")) && saved;
  saved = save(window.aboutBox(), folder, QStringLiteral("about-box")) && saved;
  return saved ? 0 : 1;
}
