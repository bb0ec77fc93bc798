// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a bare Qt program that opens a main window with an empty list view and quits as
// soon as it is drawn and the event loop is idle. With --japanese-menu the window also has a
// menu bar of the launcher's five Japanese menu titles: the least any window with a Japanese
// interface costs, for the font set-up and the drawing of Japanese text.

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>
#include <cstring>

#include "EndAfterFirstPaint.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  if (argc == 2 && std::strcmp(argv[1], "--japanese-menu") == 0) {
    for (const char* title : {"ファイル(&F)", "編集(&E)", "表示(&V)", "実行(&R)", "ヘルプ(&H)"}) {
      window.menuBar()->addMenu(QString::fromUtf8(title));
    }
  }
  QStandardItemModel model;
  auto* list = new QListView(&window);
  list->setModel(&model);
  window.setCentralWidget(list);
  EndAfterFirstPaint end(window);
  window.showMaximized();
  return QApplication::exec();
}
