// The baseline: a bare Qt program that opens a main window with an empty list view and quits as
// soon as the event loop is idle.

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  QStandardItemModel model;
  auto* list = new QListView(&window);
  list->setModel(&model);
  window.setCentralWidget(list);
  window.showMaximized();
  QTimer::singleShot(0, &application, &QApplication::quit);
  return QApplication::exec();
}
