#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "support/ScriptedFilePrompts.h"
#include "support/TestServices.h"
#include "ui/QtText.h"
#include "ui/Unit1.h"

using vorlent::TForm1;

namespace {

// Records the shell requests instead of running them.
class RecordingShell final : public vorlent::ShellFileOperation {
 public:
  explicit RecordingShell(std::vector<vorlent::ShellFileRequest>& requests) : requests_(requests) {}
  void run(const vorlent::ShellFileRequest& request, vorlent::ShellFileProgress&) override {
    requests_.push_back(request);
  }

 private:
  std::vector<vorlent::ShellFileRequest>& requests_;
};

}  // namespace

class FileOperationsWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void cleanup() { QVERIFY(QDir::setCurrent(startFolder_)); }
  void threeDroppedFilesMakeThreeCopiesAndOneRefresh();
  void theFileOperationItemsAreInTheMenus();

 private:
  QString startFolder_ = QDir::currentPath();
};

void FileOperationsWindowTest::threeDroppedFilesMakeThreeCopiesAndOneRefresh() {
  QTemporaryDir programFolder;
  QTemporaryDir listed;
  QTemporaryDir outside;
  QStringList dropped;
  for (const char* name : {"a.rom", "b.dsk", "c.cas"}) {
    QFile file(outside.filePath(QLatin1String(name)));
    QVERIFY(file.open(QIODevice::WriteOnly));
    dropped << file.fileName();
  }
  QVERIFY(QDir::setCurrent(listed.path()));
  std::vector<vorlent::ShellFileRequest> requests;
  auto services = vorlent::testing::servicesIn(programFolder.path());
  services.shell = std::make_unique<RecordingShell>(requests);
  TForm1 window(std::move(services));
  QVERIFY(window.acceptDrops());
  int listings = 0;
  window.navigator().setListedFolderHook([&](std::string_view folder) {
    ++listings;
    window.setWindowTitle(vorlent::toQt(folder));
  });

  QMimeData data;
  QList<QUrl> urls;
  for (const QString& path : dropped) urls << QUrl::fromLocalFile(path);
  data.setUrls(urls);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QVERIFY(enter.isAccepted());
  QApplication::sendEvent(&window, &drop);

  QCOMPARE(requests.size(), std::size_t{3});
  for (std::size_t i = 0; i < 3; ++i) {
    QCOMPARE(int(requests[i].kind), int(vorlent::ShellOperationKind::Copy));
    QCOMPARE(requests[i].sources,
             std::vector<std::string>{vorlent::toCore(dropped[static_cast<int>(i)])});
    QCOMPARE(vorlent::toQt(requests[i].destination), QDir(listed.path()).canonicalPath());
  }
  QCOMPARE(listings, 1);
}

void FileOperationsWindowTest::theFileOperationItemsAreInTheMenus() {
  QTemporaryDir programFolder;
  TForm1 window(vorlent::testing::servicesIn(programFolder.path()));
  const auto& menu = window.mainMenu();
  for (QAction* item :
       {menu.newFile, menu.newFolder, menu.move, menu.copy, menu.rename, menu.join, menu.trash}) {
    QVERIFY2(item->isVisible(), qPrintable(item->text()));
  }
  // With the parent entry selected, the list menu offers the new file and folder items.
  window.fileList().clearSelection();
  window.PopupMenulistPopup();
  QVERIFY(window.listMenu().items[0]->isVisible());
  QVERIFY(window.listMenu().items[1]->isVisible());
}

QTEST_MAIN(FileOperationsWindowTest)
#include "test_file_operations.moc"
