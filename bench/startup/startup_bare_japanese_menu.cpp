// A floor for any window with a Japanese interface: the bare program with a menu bar of the
// launcher's five Japanese menu titles, which costs the font set-up and the drawing of Japanese
// text. Quits as soon as it is drawn and the event loop is idle.

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>

#include "EndAfterFirstPaint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  for (const char* title : {"ファイル(&F)", "編集(&E)", "表示(&V)", "実行(&R)", "ヘルプ(&H)"}) {
    window.menuBar()->addMenu(QString::fromUtf8(title));
  }
  QStandardItemModel model;
  auto* list = new QListView(&window);
  list->setModel(&model);
  window.setCentralWidget(list);
  EndAfterFirstPaint end(window);
  window.showMaximized();
  return QApplication::exec();
}
