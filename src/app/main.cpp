#include <QApplication>

#include "ui/ApplicationSetup.h"
#include "ui/Unit1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vorlent::setUpApplication();

  vorlent::TForm1 mainWindow;
  mainWindow.showMaximized();
  return QApplication::exec();
}
