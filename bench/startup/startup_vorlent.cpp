// Starts the launcher's main window with its whole start-up sequence in the folder named by the
// first argument (no Vorlent.ini, so that folder is the one listed), and quits as soon as the
// event loop is idle with the window shown.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

#include "ui/QtText.h"
#include "ui/Unit1.h"

namespace {

// The span measured ends at the first idle moment: the process ends there, without tearing the
// window down (for the launcher, closing would also save its configuration).
void endAtIdle() { std::_Exit(0); }

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
    return 2;
  }
  QTemporaryDir programFolder;
  vorlent::MainWindowServices services = vorlent::nativeMainWindowServices();
  services.programFolder = vorlent::toCore(programFolder.path()) + "/";
  vorlent::TForm1 window(std::move(services));
  window.showMaximized();
  QTimer::singleShot(0, &application, endAtIdle);
  return QApplication::exec();
}
