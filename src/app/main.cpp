#include "ui/ApplicationSetup.h"
#include "ui/ReportingApplication.h"
#include "ui/Unit1.h"

int main(int argc, char** argv) {
  vorlent::ReportingApplication application(argc, argv);
  vorlent::setUpApplication();

  vorlent::TForm1 mainWindow;
  mainWindow.showMaximized();
  return vorlent::ReportingApplication::exec();
}
