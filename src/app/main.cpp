// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ApplicationSetup.h"
#include "ui/ReportingApplication.h"
#include "ui/TerminationRequests.h"
#include "ui/Unit1.h"

int main(int argc, char** argv) {
  vorlent::ReportingApplication application(argc, argv);
  vorlent::setUpApplication();

  vorlent::TForm1 mainWindow;
  mainWindow.showMaximized();
  vorlent::closeOnTerminationRequests(mainWindow);
  return vorlent::ReportingApplication::exec();
}
