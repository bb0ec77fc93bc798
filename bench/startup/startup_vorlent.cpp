// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the launcher as its main function does, with the main window's whole start-up sequence in
// the folder named by the first argument, with the empty folder named by the second as the
// program's folder (no Vorlent.ini there, so the first folder is the one listed), and quits as
// soon as the window is drawn and the event loop is idle.

#include <QApplication>
#include <QDir>
#include <string>

#include "EndAfterFirstPaint.h"

#include "ui/mainwindow/Unit1.h"
#include "ui/qt/ApplicationSetup.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vorlent::setUpApplication();
  if (argc != 3 || !QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
    return 2;
  }
  vorlent::MainWindowServices services = vorlent::nativeMainWindowServices();
  services.programFolder = std::string(argv[2]) + "/";
  vorlent::TForm1 window(std::move(services));
  EndAfterFirstPaint end(window);
  window.showMaximized();
  return QApplication::exec();
}
