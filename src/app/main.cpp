// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/TerminationRequests.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/qt/ApplicationSetup.h"
#include "ui/qt/ReportingApplication.h"

int main(int argc, char** argv) {
  vorlent::ReportingApplication application(argc, argv);
  vorlent::setUpApplication();

  vorlent::TForm1 mainWindow;
  mainWindow.showMaximized();
  vorlent::closeOnTerminationRequests(mainWindow);
  return vorlent::ReportingApplication::exec();
}
