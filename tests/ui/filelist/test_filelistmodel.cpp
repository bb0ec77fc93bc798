// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <memory>

#include "browser/ListFolder.h"
#include "browser/ListSort.h"
#include "ui/filelist/FileListIcons.h"
#include "ui/filelist/FileListModel.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/QtText.h"
#include "ui/qt/QtBusyIndicator.h"

using namespace vorlent;

class FileListModelTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void passesTheModelTester();
  void headersAndColumnTexts();
  void namesThatAreNotTextShowReplacementCharacters();
  void headerClickSortsAscendingThroughTheCore();
  void selectionIsSharedAndFollowsTheSort();
  void viewStyles_data();
  void viewStyles();
  void detailsLayoutAndFont();
  void theNameColumnHoldsTheWidestCaptionOfAManyEntryFolder();
  void aListingIsOneResetAndClearsTheSelection();
  void aRenameRepaintsItsRow();
  void busyIndicatorRestoresTheCursor();
  void theViewsReadOnlyTheDetailsTheyShow();

 private:
  void writeFile(const QString& name, qint64 size);
  void listFolder();
  int rowOf(const QString& caption) const;
  QStringList column(int column) const;

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<FileList> list_;
  std::unique_ptr<FileListIcons> icons_;
  std::unique_ptr<SystemTextCodec> systemText_ = makeSystemTextCodec();
  std::unique_ptr<FileListModel> model_;
  std::unique_ptr<FolderEnumerator> enumerator_ = makeFolderEnumerator();
  QtBusyIndicator busy_;
};

void FileListModelTest::init() {
  folder_ = std::make_unique<QTemporaryDir>();
  QVERIFY(folder_->isValid());
  list_ = std::make_unique<FileList>();
  icons_ = std::make_unique<FileListIcons>();
  model_ = std::make_unique<FileListModel>(*list_, *icons_, *systemText_);
  writeFile(QStringLiteral("GAME.ROM"), 131'073);
  writeFile(QStringLiteral("disk.dsk"), 737'280);
  writeFile(QStringLiteral("README"), 10);
  QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("sub")));
  listFolder();
}

void FileListModelTest::cleanup() {
  model_.reset();
  list_.reset();
  folder_.reset();
}

void FileListModelTest::writeFile(const QString& name, qint64 size) {
  QFile file(folder_->filePath(name));
  QVERIFY(file.open(QIODevice::WriteOnly));
  QVERIFY(file.resize(size));
}

void FileListModelTest::listFolder() {
  QVERIFY(ListFolder(*list_, toCore(folder_->path()), *enumerator_, busy_).has_value());
}

int FileListModelTest::rowOf(const QString& caption) const {
  for (int row = 0; row < model_->rowCount(); ++row) {
    if (model_->index(row, 0).data().toString() == caption) {
      return row;
    }
  }
  return -1;
}

QStringList FileListModelTest::column(int column) const {
  QStringList texts;
  for (int row = 0; row < model_->rowCount(); ++row) {
    texts << model_->index(row, column).data().toString();
  }
  return texts;
}

void FileListModelTest::passesTheModelTester() {
  QAbstractItemModelTester tester(model_.get(),
                                  QAbstractItemModelTester::FailureReportingMode::QtTest);
  for (int column = 0; column < kListColumnCount; ++column) {
    model_->sort(column);
  }
  sortByCaptionDescending(*list_, *systemText_);
  list_->update(0, "x", "/x", 1);
  writeFile(QStringLiteral("more.txt"), 1);
  listFolder();
  list_->assign({});
  listFolder();
  QCOMPARE(model_->rowCount(), 6);
}

void FileListModelTest::headersAndColumnTexts() {
  const QStringList headers = {QStringLiteral("Name"), QStringLiteral("Size(kB)"),
                               QStringLiteral("Full PathName"), QStringLiteral("Type"),
                               QStringLiteral("TimeStamp")};
  QCOMPARE(model_->columnCount(), 5);
  for (int section = 0; section < 5; ++section) {
    QCOMPARE(model_->headerData(section, Qt::Horizontal).toString(), headers[section]);
  }
  QCOMPARE(model_->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
           Qt::AlignRight | Qt::AlignVCenter);

  const int row = rowOf(QStringLiteral("GAME.ROM"));
  QVERIFY(row >= 0);
  QCOMPARE(model_->index(row, 1).data().toString(), QStringLiteral("       129kB"));
  QCOMPARE(model_->index(row, 2).data().toString(),
           QDir::toNativeSeparators(folder_->filePath(QStringLiteral("GAME.ROM"))));
  QCOMPARE(model_->index(row, 3).data().toString(), QStringLiteral(".ROM"));
  QCOMPARE(model_->index(row, 4).data().toString().size(), 16);
  QCOMPARE(model_->index(row, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
           Qt::AlignRight | Qt::AlignVCenter);
  QVERIFY(!model_->index(row, 0).data(Qt::TextAlignmentRole).isValid());
  QVERIFY(model_->index(row, 0).data(Qt::DecorationRole).canConvert<QIcon>());
  QVERIFY(!model_->index(row, 1).data(Qt::DecorationRole).isValid());
  QCOMPARE(model_->entryAt(model_->index(row, 3))->iconIndex, 2);

  const int parent = rowOf(QStringLiteral(".."));
  QVERIFY(parent >= 0);
  QCOMPARE(model_->index(parent, 1).data().toString(), QString());
  QVERIFY(model_->index(parent, 2).data().toString().endsWith(QDir::separator() +
                                                              QStringLiteral("..")));
  QCOMPARE(model_->entryAt(QModelIndex()), nullptr);
}

void FileListModelTest::namesThatAreNotTextShowReplacementCharacters() {
#ifdef Q_OS_WIN
  QSKIP("It makes a file whose name is invalid UTF-8, which Windows names cannot be");
#endif
  const std::string raw = toCore(folder_->path()) + "/bad\xFF\tname.rom";
  const int fd = ::open(raw.c_str(), O_WRONLY | O_CREAT, 0644);
  QVERIFY(fd >= 0);
  ::close(fd);
  listFolder();
  const int row = rowOf(QStringLiteral("bad\uFFFD\uFFFDname.rom"));
  QVERIFY(row >= 0);
  QCOMPARE(model_->entryAt(model_->index(row, 0))->fullPath, raw);
}

void FileListModelTest::headerClickSortsAscendingThroughTheCore() {
  FileListViews views(*model_);
  views.setViewStyle(ViewStyle::Details);
  views.resize(800, 400);
  views.show();
  QVERIFY(QTest::qWaitForWindowExposed(&views));
  QHeaderView* header = views.detailsView()->header();
  const auto clickHeader = [&](int section) {
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  };

  clickHeader(1);
  QCOMPARE(list_->sortColumn(), ListColumn::Size);
  const QStringList bySize = column(0);
  QCOMPARE(bySize.mid(2), (QStringList{QStringLiteral("README"), QStringLiteral("GAME.ROM"),
                                       QStringLiteral("disk.dsk")}));
  clickHeader(1);
  QCOMPARE(column(0).mid(2), bySize.mid(2));
  QVERIFY(!header->isSortIndicatorShown());

  clickHeader(0);
  QCOMPARE(column(0), (QStringList{QStringLiteral(".."), QStringLiteral("disk.dsk"),
                                   QStringLiteral("GAME.ROM"), QStringLiteral("README"),
                                   QStringLiteral("sub")}));
  // Whatever order Qt asks for, the sort is ascending.
  model_->sort(0, Qt::DescendingOrder);
  QCOMPARE(column(0).first(), QStringLiteral(".."));
}

void FileListModelTest::selectionIsSharedAndFollowsTheSort() {
  FileListViews views(*model_);
  QCOMPARE(views.detailsView()->selectionModel(), views.iconView()->selectionModel());
  QItemSelectionModel* selection = views.selectionModel();
  const int game = rowOf(QStringLiteral("GAME.ROM"));
  const int readme = rowOf(QStringLiteral("README"));
  selection->select(model_->index(game, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selection->select(model_->index(readme, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  selection->setCurrentIndex(model_->index(readme, 0), QItemSelectionModel::NoUpdate);
  QCOMPARE(list_->selectedCount(), 2u);
  QCOMPARE(list_->focused()->caption, std::string("README"));

  model_->sort(1);
  model_->sort(0);
  QCOMPARE(list_->selectedCount(), 2u);
  const auto selected = list_->selectedEntries();
  QCOMPARE(selected[0]->caption, std::string("GAME.ROM"));
  QCOMPARE(selected[1]->caption, std::string("README"));
  QCOMPARE(list_->focused()->caption, std::string("README"));
  QVERIFY(selection->isRowSelected(rowOf(QStringLiteral("GAME.ROM")), QModelIndex()));
  QVERIFY(selection->isRowSelected(rowOf(QStringLiteral("README")), QModelIndex()));
  QVERIFY(!selection->isRowSelected(rowOf(QStringLiteral("sub")), QModelIndex()));

  selection->select(model_->index(rowOf(QStringLiteral("GAME.ROM")), 0),
                    QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
  QCOMPARE(list_->selectedCount(), 1u);
  QCOMPARE(list_->firstSelected()->caption, std::string("README"));
}

void FileListModelTest::viewStyles_data() {
  QTest::addColumn<int>("style");
  QTest::addColumn<bool>("details");
  QTest::addColumn<int>("iconSize");
  QTest::addColumn<int>("viewMode");
  QTest::addColumn<int>("flow");
  QTest::newRow("large icons") << int(ViewStyle::LargeIcons) << false << 32
                               << int(QListView::IconMode) << int(QListView::LeftToRight);
  QTest::newRow("small icons") << int(ViewStyle::SmallIcons) << false << 16
                               << int(QListView::ListMode) << int(QListView::LeftToRight);
  QTest::newRow("list") << int(ViewStyle::List) << false << 16 << int(QListView::ListMode)
                        << int(QListView::TopToBottom);
  QTest::newRow("details") << int(ViewStyle::Details) << true << 16 << -1 << -1;
}

void FileListModelTest::viewStyles() {
  QFETCH(int, style);
  QFETCH(bool, details);
  QFETCH(int, iconSize);
  QFETCH(int, viewMode);
  QFETCH(int, flow);
  FileListViews views(*model_);
  QCOMPARE(views.viewStyle(), ViewStyle::LargeIcons);
  QCOMPARE(views.currentWidget(), views.iconView());
  views.setViewStyle(static_cast<ViewStyle>(style));
  QCOMPARE(list_->viewStyle(), static_cast<ViewStyle>(style));
  if (details) {
    QCOMPARE(views.currentWidget(), views.detailsView());
    QCOMPARE(views.detailsView()->iconSize(), QSize(iconSize, iconSize));
  } else {
    QCOMPARE(views.currentWidget(), views.iconView());
    QCOMPARE(views.iconView()->iconSize(), QSize(iconSize, iconSize));
    QCOMPARE(int(views.iconView()->viewMode()), viewMode);
    QCOMPARE(int(views.iconView()->flow()), flow);
    QCOMPARE(views.iconView()->movement(), QListView::Static);
  }
}

void FileListModelTest::detailsLayoutAndFont() {
  FileListViews views(*model_);
  views.setViewStyle(ViewStyle::Details);
  views.show();
  QCOMPARE(views.detailsView()->header()->sectionSize(1), 100);
  QVERIFY(views.detailsView()->header()->sectionSize(2) >
          views.fontMetrics().horizontalAdvance(QStringLiteral("/tmp")));
  for (QWidget* view :
       {static_cast<QWidget*>(views.iconView()), static_cast<QWidget*>(views.detailsView())}) {
    QCOMPARE(view->font().pixelSize(), 13);
    // The window face where the system has it, else a Japanese face of the desktop.
    const QString expected = QFontDatabase::hasFamily(QStringLiteral("ＭＳ Ｐゴシック"))
                                 ? QStringLiteral("ＭＳ Ｐゴシック")
                                 : QStringLiteral("IPAPGothic");
    QCOMPARE(view->font().families().first(), expected);
  }
  listFolder();
  QCOMPARE(views.detailsView()->header()->sectionSize(1), 100);
}

// The widest caption lies past the first thousand rows.
void FileListModelTest::theNameColumnHoldsTheWidestCaptionOfAManyEntryFolder() {
  for (int i = 0; i < 1200; ++i) {
    writeFile(QStringLiteral("%1.rom").arg(i, 4, 10, QLatin1Char('0')), 0);
  }
  const QString widest = QStringLiteral("zz the widest caption of the folder, far below.rom");
  writeFile(widest, 0);
  listFolder();
  model_->sort(0, Qt::AscendingOrder);
  FileListViews views(*model_);
  views.setViewStyle(ViewStyle::Details);
  views.show();
  QTreeView* details = views.detailsView();
  const QModelIndex index = model_->index(rowOf(widest), 0);
  QVERIFY(index.row() > 1000);
  QVERIFY2(details->header()->sectionSize(0) >= details->sizeHintForIndex(index).width(),
           qPrintable(QStringLiteral("%1 < %2")
                          .arg(details->header()->sectionSize(0))
                          .arg(details->sizeHintForIndex(index).width())));
}

void FileListModelTest::aListingIsOneResetAndClearsTheSelection() {
  FileListViews views(*model_);
  views.selectionModel()->select(model_->index(0, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  QCOMPARE(list_->selectedCount(), 1u);
  QSignalSpy resets(model_.get(), &QAbstractItemModel::modelReset);
  QSignalSpy rowsInserted(model_.get(), &QAbstractItemModel::rowsInserted);
  writeFile(QStringLiteral("new.cas"), 5);
  listFolder();
  QCOMPARE(resets.count(), 1);
  QCOMPARE(rowsInserted.count(), 0);
  QCOMPARE(model_->rowCount(), 6);
  QVERIFY(!views.selectionModel()->hasSelection());
  QCOMPARE(list_->selectedCount(), 0u);
}

void FileListModelTest::aRenameRepaintsItsRow() {
  QSignalSpy changed(model_.get(), &QAbstractItemModel::dataChanged);
  list_->update(2, "RENAMED.ROM", "/x/RENAMED.ROM", 7);
  QCOMPARE(changed.count(), 1);
  QCOMPARE(changed[0][0].toModelIndex(), model_->index(2, 0));
  QCOMPARE(changed[0][1].toModelIndex(), model_->index(2, 4));
  QCOMPARE(model_->index(2, 0).data().toString(), QStringLiteral("RENAMED.ROM"));
  QCOMPARE(model_->index(2, 2).data().toString(), QStringLiteral("/x/RENAMED.ROM"));
}

void FileListModelTest::busyIndicatorRestoresTheCursor() {
  QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  {
    const BusyScope outer(busy_);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    try {
      const BusyScope inner(busy_);
      throw std::runtime_error("failed step");
    } catch (const std::runtime_error&) {
    }
    QVERIFY(QGuiApplication::overrideCursor() != nullptr);
  }
  QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  listFolder();
  QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(FileListModelTest)
#include "test_filelistmodel.moc"

// A long listing leaves the details to be read; the views read what they show, and only a sort
// by a column needs them all.
void FileListModelTest::theViewsReadOnlyTheDetailsTheyShow() {
  constexpr int kEntries = 5'000;
  std::vector<FileListEntry> entries(kEntries);
  for (int i = 0; i < kEntries; ++i) {
    entries[i].caption = "GAME" + std::to_string(i) + ".ROM";
    entries[i].fullPath = "/f/" + entries[i].caption;
    entries[i].typeText = ".ROM";
    entries[i].detailsPending = true;
  }
  int reads = 0;
  list_->assign(std::move(entries), [&reads](FileListEntry& entry) {
    ++reads;
    entry.sizeText = "         1kB";
    entry.iconIndex = 7;
  });
  FileListViews views(*model_);
  views.resize(640, 480);
  for (const ViewStyle style :
       {ViewStyle::LargeIcons, ViewStyle::SmallIcons, ViewStyle::List, ViewStyle::Details}) {
    views.setViewStyle(style);
    views.show();
    QVERIFY(QTest::qWaitForWindowExposed(&views));
    // The views lay out and paint from the event loop.
    QTRY_VERIFY2(reads > 0, "nothing was shown");
    QCoreApplication::processEvents();
    QVERIFY2(reads < kEntries / 2, qPrintable(QString::number(reads)));
  }
  model_->sort(1);
  QCOMPARE(reads, kEntries);
}
