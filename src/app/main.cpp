#include <QApplication>

#include "feedback/Feedback.h"
#include "ui/QtText.h"
#include "ui/Unit1.h"
#include "ui/WindowFont.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(vorlent::toQt(vorlent::kApplicationTitle));
  QApplication::setFont(vorlent::windowFont());

  vorlent::TForm1 mainWindow;
  mainWindow.showMaximized();
  return QApplication::exec();
}
