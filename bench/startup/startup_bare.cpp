// The baseline: a bare Qt program that opens a main window with an empty list view and quits as
// soon as it is drawn and the event loop is idle.

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QStandardItemModel>

#include "EndAfterFirstPaint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  QStandardItemModel model;
  auto* list = new QListView(&window);
  list->setModel(&model);
  window.setCentralWidget(list);
  EndAfterFirstPaint end(window);
  window.showMaximized();
  return QApplication::exec();
}
