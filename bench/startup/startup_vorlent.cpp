// Starts the launcher as its main function does, with the main window's whole start-up sequence in
// the folder named by the first argument (no Vorlent.ini, so that folder is the one listed), and
// quits as soon as the window is drawn and the event loop is idle.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "EndAfterFirstPaint.h"

#include "ui/ApplicationSetup.h"
#include "ui/QtText.h"
#include "ui/Unit1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vorlent::setUpApplication();
  if (argc != 2 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
    return 2;
  }
  QTemporaryDir programFolder;
  vorlent::MainWindowServices services = vorlent::nativeMainWindowServices();
  services.programFolder = vorlent::toCore(programFolder.path()) + "/";
  vorlent::TForm1 window(std::move(services));
  EndAfterFirstPaint end(window);
  window.showMaximized();
  return QApplication::exec();
}
