// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as the user reads it at its restored size: every control whole, the texts as
// drawn, names as written, the band texts, the about box and every name in the file list.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QStyleOptionViewItem>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <fstream>

#include "support/HostileTexts.h"
#include "ui/dialogs/Unit3.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/support/ShownOnScreen.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;
using vorlent::toQt;
using namespace vorlent::testing;

namespace {

void touch(const QString& path) {
  QFile file(path);
  QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

// A name that would be markup and a mnemonic if taken as either. Windows names hold no "<".
#ifdef _WIN32
const QString kMarkupName = QStringLiteral("Bold&Co.rom");
#else
const QString kMarkupName = QStringLiteral("<b>Bold&Co.rom");
#endif
const QString kLongName = QStringLiteral(
    "Knightmare (1986)(Konami) [RC-739] - a long name that runs over many large icons.rom");

}  // namespace

class WhatIsShownTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void theRestoredWindowShowsEveryControlWhole();
  void theModePanelTakesTheRestOfTheBar();
  void bandsShowTheirTextsAtTheirLeftEdge();
  void namesShowAsWrittenInTooltipsAndMenus();
  void hostileNamesShowWithTheirControlsMarked();
  void aboutBoxInTheMenuColourWithTheTextBesideTheIcon();
  void everyNameIsWholeInTheIconAndListStyles_data();
  void everyNameIsWholeInTheIconAndListStyles();

 private:
  std::unique_ptr<TForm1> makeWindow();

  QString startFolder_ = QDir::currentPath();
  std::unique_ptr<QTemporaryDir> programFolder_;
  std::unique_ptr<QTemporaryDir> listed_;
};

void WhatIsShownTest::init() {
  programFolder_ = std::make_unique<QTemporaryDir>();
  listed_ = std::make_unique<QTemporaryDir>();
  for (const QString& name : {QStringLiteral("readme.txt"), QStringLiteral("DISKC.DSK"), kLongName,
                              kMarkupName, QStringLiteral("a")}) {
    touch(listed_->filePath(name));
  }
  // Names without blanks, none much longer than the others.
  QVERIFY(QDir(listed_->path()).mkdir(QStringLiteral("noblanks")));
  for (const QString& name :
       {QStringLiteral("test_file_operations_autogen.dsk"),
        QStringLiteral("knightmare_ii_maze_of_galious.rom"), QStringLiteral("a.rom")}) {
    touch(listed_->filePath(QStringLiteral("noblanks/") + name));
  }
  // A name that is no UTF-8, of wide letters.
  std::ofstream(QFile::encodeName(listed_->filePath(QStringLiteral("noblanks/"))).toStdString() +
                "WWWWWWWWWW\xff\xfe\xc3WWWW.rom");
  QVERIFY(QDir::setCurrent(listed_->path()));
}

void WhatIsShownTest::cleanup() { QVERIFY(QDir::setCurrent(startFolder_)); }

std::unique_ptr<TForm1> WhatIsShownTest::makeWindow() {
  auto window = std::make_unique<TForm1>(servicesIn(programFolder_->path()));
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) {
    qWarning("the main window was not exposed");
  }
  return window;
}

void WhatIsShownTest::theRestoredWindowShowsEveryControlWhole() {
  auto window = makeWindow();
  QCOMPARE(window->size(), QSize(725, 413));
  for (const int tab : {0, 1}) {
    window->emulatorTabs().pageControl->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    // At this width the panels of 150 and 360 pixels leave the mode text about 200 of the 220
    // pixels it needs; the next test checks that it gets all that is left.
    const QStringList faults =
        controlsNotWhole(*window).filter(QRegularExpression(QStringLiteral("^(?!StatusPanel2 )")));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  }
}

// The last panel reaches the right edge of the bar, so the mode text is whole wherever the
// window leaves it room.
void WhatIsShownTest::theModePanelTakesTheRestOfTheBar() {
  auto window = makeWindow();
  const auto panels = window->statusBar()->findChildren<QLabel*>();
  QCOMPARE(panels.size(), 3);
  const QString modes[] = {QStringLiteral("只今、「BRMSX 2.6(MS-DOS)」モードです"),
                           QStringLiteral("只今、「fMSX MS-DOS 1.6b2.a」モードです")};
  for (const int width : {725, 1024, 1280}) {
    window->resize(width, 413);
    for (const int tab : {0, 1}) {
      window->emulatorTabs().pageControl->setCurrentIndex(tab);
      QCoreApplication::processEvents();
      QLabel* mode = window->statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel2"));
      QCOMPARE(mode->text(), modes[tab]);
      QCOMPARE(mode->textFormat(), Qt::PlainText);
      const int right = mode->mapTo(window->statusBar(), QPoint(mode->width(), 0)).x();
      QVERIFY2(right >= window->statusBar()->width() - 24,
               qPrintable(QStringLiteral("%1 of %2").arg(right).arg(window->statusBar()->width())));
      const int needed = mode->fontMetrics().horizontalAdvance(mode->text());
      QVERIFY2(mode->contentsRect().width() >= needed,
               qPrintable(QStringLiteral("%1 < %2").arg(mode->contentsRect().width()).arg(needed)));
    }
    QCOMPARE(window->statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->width(), 150);
    QCOMPARE(window->statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel1"))->width(), 360);
  }
}

void WhatIsShownTest::bandsShowTheirTextsAtTheirLeftEdge() {
  auto window = makeWindow();
  const struct {
    const char* band;
    QString text;
  } bands[] = {{"ToolBar2", QStringLiteral("ドライブ＆表示")},
               {"EmulatorBand", QString()},
               {"ToolBar3", QStringLiteral("イメージ操作")},
               {"InformationBand", QStringLiteral("インフォメーション")}};
  for (const auto& expected : bands) {
    auto* band = window->findChild<QToolBar*>(QLatin1String(expected.band));
    QVERIFY2(band != nullptr, expected.band);
    QString shown;
    int captionLeft = band->width();
    int othersLeft = band->width();
    for (QWidget* child : band->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!child->isVisible()) continue;
      auto* label = qobject_cast<QLabel*>(child);
      if (label != nullptr && !label->text().isEmpty()) {
        shown = drawnAutoText(label->text());
        captionLeft = label->x();
      } else if (child->inherits("QToolButton") || child->inherits("QLineEdit") ||
                 child->inherits("QTabWidget")) {
        othersLeft = std::min(othersLeft, child->x());
      }
    }
    QCOMPARE(shown, expected.text);
    if (!expected.text.isEmpty()) {
      QVERIFY2(captionLeft < othersLeft, expected.band);
    }
  }
}

void WhatIsShownTest::namesShowAsWrittenInTooltipsAndMenus() {
  auto window = makeWindow();
  window->setViewStyle(vorlent::ViewStyle::Details);
  QTreeView* view = window->fileListViews().detailsView();
  const QString name = kMarkupName;
  const auto matches =
      view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
  QVERIFY(!matches.isEmpty());
  QCOMPARE(drawnAutoText(matches[0].data(Qt::ToolTipRole).toString()),
           QDir::toNativeSeparators(listed_->filePath(name)));
  view->selectionModel()->setCurrentIndex(
      matches[0], QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  const auto& slot = window->mediaToolbar().cartridgeSlots[0];
  slot.button->click();
  QVERIFY2(drawnAutoText(slot.button->toolTip()).contains(name),
           qPrintable(slot.button->toolTip()));
  QVERIFY2(drawnCaption(slot.menu->actions().at(0)->text()).contains(name),
           qPrintable(slot.menu->actions().at(0)->text()));
  for (char letter = 'a'; letter <= 'z'; ++letter) {
    QToolButton* drive = window->driveButton(letter);
    QCOMPARE(drawnAutoText(drive->toolTip()), drive->toolTip());
  }
}

// A name of the table of hostile texts is shown in the file list's columns, its tooltip, the
// status line and the slot's tooltip as that one rule shows it: nothing in it can break a line
// or turn the text around.
void WhatIsShownTest::hostileNamesShowWithTheirControlsMarked() {
#ifdef Q_OS_WIN
  QSKIP(
      "It makes files whose names hold controls and bytes that are no UTF-8, which Windows "
      "names cannot hold");
#endif
  QVERIFY(QDir(listed_->path()).mkdir(QStringLiteral("hostile")));
  const std::string folder =
      QFile::encodeName(listed_->filePath(QStringLiteral("hostile/"))).toStdString();
  QStringList shown;
  for (const vorlent::testing::HostileText& text : vorlent::testing::kHostileTexts) {
    const std::string raw = text.raw;
    if (raw.empty() || raw.find('/') != std::string::npos) continue;
    std::ofstream(folder + raw + ".rom");
    shown << QString::fromUtf8(text.shown) + QStringLiteral(".rom");
  }
  QVERIFY(QDir::setCurrent(listed_->filePath(QStringLiteral("hostile"))));
  auto window = makeWindow();
  window->setViewStyle(vorlent::ViewStyle::Details);
  QTreeView* view = window->fileListViews().detailsView();
  const QAbstractItemModel* model = view->model();
  QCOMPARE(model->rowCount(), shown.size() + 1);  // and ".."
  QLineEdit* status = window->findChild<QLineEdit*>(QStringLiteral("StatusLine"));
  const auto& slot = window->mediaToolbar().cartridgeSlots[0];
  for (const QString& name : shown) {
    const auto matches =
        model->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
    QVERIFY2(!matches.isEmpty(), qPrintable(name));
    const QString path = listed_->filePath(QStringLiteral("hostile/") + name);
    QCOMPARE(model->index(matches[0].row(), 2).data().toString(), path);
    QCOMPARE(drawnAutoText(matches[0].data(Qt::ToolTipRole).toString()), path);
    view->selectionModel()->setCurrentIndex(
        matches[0], QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    status->clear();
    slot.button->click();
    // A name with a line break cannot be kept in the settings file and is not mounted.
    if (!status->text().isEmpty() || name.startsWith(QStringLiteral("photo"))) {
      QCOMPARE(status->text(),
               QStringLiteral("スロット１に \"") + name + QStringLiteral("\" を挿入しました。"));
      QVERIFY2(drawnAutoText(slot.button->toolTip()).contains(name),
               qPrintable(slot.button->toolTip()));
    }
  }
}

void WhatIsShownTest::aboutBoxInTheMenuColourWithTheTextBesideTheIcon() {
  auto window = makeWindow();
  vorlent::TAboutBox& about = window->aboutBox();
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QCOMPARE(about.palette().color(about.backgroundRole()),
           QApplication::palette("QMenu").color(QPalette::Window));
  QVERIFY(about.autoFillBackground());
  auto* icon = about.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
  auto* product = about.findChild<QLabel*>(QStringLiteral("ProductName"));
  QVERIFY(icon != nullptr && product != nullptr);
  const int gap =
      product->mapTo(&about, QPoint()).x() -
      (icon->mapTo(&about, QPoint()).x() + icon->pixmap().deviceIndependentSize().width());
  QVERIFY2(gap >= 0 && gap <= 16, qPrintable(QString::number(gap)));
  const QPoint centre = about.screen()->availableGeometry().center();
  QVERIFY(qAbs(about.frameGeometry().center().x() - centre.x()) <= 1);
  QVERIFY(qAbs(about.frameGeometry().center().y() - centre.y()) <= 1);
  const QStringList faults = controlsNotWhole(about);
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  about.hide();
}

void WhatIsShownTest::everyNameIsWholeInTheIconAndListStyles_data() {
  QTest::addColumn<int>("style");
  QTest::addColumn<QString>("folder");
  for (const QString& folder : {QStringLiteral("."), QStringLiteral("noblanks")}) {
    QTest::newRow(qPrintable(QStringLiteral("Big ") + folder))
        << int(vorlent::ViewStyle::LargeIcons) << folder;
    QTest::newRow(qPrintable(QStringLiteral("Small ") + folder))
        << int(vorlent::ViewStyle::SmallIcons) << folder;
    QTest::newRow(qPrintable(QStringLiteral("List ") + folder))
        << int(vorlent::ViewStyle::List) << folder;
  }
}

// Beside a small icon a caption gets its whole width; under a large icon it wraps into as many
// lines as it needs.
void WhatIsShownTest::everyNameIsWholeInTheIconAndListStyles() {
  QFETCH(int, style);
  QFETCH(QString, folder);
  QVERIFY(QDir::setCurrent(listed_->filePath(folder)));
  auto window = makeWindow();
  window->resize(1024, 600);
  window->setViewStyle(static_cast<vorlent::ViewStyle>(style));
  QCoreApplication::processEvents();
  QListView* view = window->fileListViews().iconView();
  const QFontMetrics metrics(view->font());
  const QAbstractItemModel* model = view->model();
  QVERIFY(model->rowCount() >= 4);
  for (int row = 0; row < model->rowCount(); ++row) {
    const QModelIndex index = model->index(row, 0);
    const QString caption = index.data(Qt::DisplayRole).toString();
    const QRect cell = view->visualRect(index);
    if (view->viewMode() == QListView::ListMode) {
      const int needed = view->iconSize().width() + metrics.horizontalAdvance(caption);
      QVERIFY2(
          cell.width() > needed,
          qPrintable(QStringLiteral("%1: %2 < %3").arg(caption).arg(cell.width()).arg(needed)));
    } else {
      // Wrapped at a blank where it can, anywhere where it must, in the cell's width.
      QTextLayout layout(caption, view->font());
      QTextOption wrap;
      wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
      layout.setTextOption(wrap);
      layout.beginLayout();
      int textHeight = 0;
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(cell.width() - 4);
        textHeight += qCeil(line.height());
      }
      layout.endLayout();
      // Drawn alone, as the view sets it up under a large icon, the entry stays in its cell.
      QStyleOptionViewItem option;
      option.initFrom(view);
      option.font = view->font();
      option.rect = QRect(QPoint(cell.width(), cell.height()), cell.size());
      option.decorationSize = view->iconSize();
      option.decorationPosition = QStyleOptionViewItem::Top;
      option.decorationAlignment = Qt::AlignCenter;
      option.displayAlignment = Qt::AlignCenter;
      option.features = QStyleOptionViewItem::WrapText;
      option.widget = view;
      QImage drawn(cell.size() * 3, QImage::Format_ARGB32);
      drawn.fill(Qt::transparent);
      {
        QPainter painter(&drawn);
        view->itemDelegate()->paint(&painter, option, index);
      }
      for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
          if (qAlpha(drawn.pixel(x, y)) != 0 && !option.rect.contains(x, y)) {
            QFAIL(qPrintable(QStringLiteral("%1 is drawn outside its cell at %2,%3")
                                 .arg(caption)
                                 .arg(x - option.rect.x())
                                 .arg(y - option.rect.y())));
          }
        }
      }
      QVERIFY2(cell.height() >= view->iconSize().height() + textHeight,
               qPrintable(QStringLiteral("%1: %2 < %3")
                              .arg(caption)
                              .arg(cell.height())
                              .arg(view->iconSize().height() + textHeight)));
    }
  }
}

QTEST_MAIN(WhatIsShownTest)
#include "test_what_is_shown.moc"
