// The baseline: a bare Qt program that opens a main window with an empty list view and quits as
// soon as the event loop is idle.

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTimer>
#include <cstdlib>

namespace {

// The span measured ends at the first idle moment: the process ends there, without tearing the
// window down (for the launcher, closing would also save its configuration).
void endAtIdle() { std::_Exit(0); }

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  QStandardItemModel model;
  auto* list = new QListView(&window);
  list->setModel(&model);
  window.setCentralWidget(list);
  window.showMaximized();
  QTimer::singleShot(0, &application, endAtIdle);
  return QApplication::exec();
}
