// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it: a real selection in every view style, styles reached
// through other styles, the keyboard visiting the menu bar, Qt's own dialogs in Japanese, the
// boxes and bands as drawn, no settings file of Qt's, and the database's reason.

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QStyle>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <functional>
#include <memory>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <dlgs.h>
#else
#include <sys/stat.h>
#endif

#include "media/SoftwareDatabaseSource.h"
#include "platform/FileSystem.h"
#include "platform/Sha1Digester.h"
#include "platform/XmlReader.h"
#include "support/SoftwareDatabaseText.h"
#include "ui/filelist/FileListViews.h"
#include "ui/look/QtText.h"
#include "ui/mainwindow/Unit1.h"
#include "ui/qt/ApplicationSetup.h"
#include "ui/qt/QtPrompts.h"
#include "ui/support/RecordingModals.h"
#include "ui/support/RecordingOpener.h"
#include "ui/support/RecordingProcessStarter.h"
#include "ui/support/ShownOnScreen.h"
#include "ui/support/SystemDialogs.h"
#include "ui/support/TestServices.h"

using vorlent::TForm1;
using vorlent::ViewStyle;
using namespace vorlent::testing;

namespace {

const QString kShortName = QStringLiteral("saved.bas");
const QString kLongName = QStringLiteral("a caption long enough to wrap.bas");
// Fewer characters than many other names, more lines than any.
const QString kBlankName = QStringLiteral("0 MMMM MMMM MMMM MMMM MMMM MMMM MMMM");

void touch(const QString& path, qint64 size = 0) {
  QFile file(path);
  QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
  QVERIFY(file.resize(size));
}

QString styleName(ViewStyle style) {
  switch (style) {
    case ViewStyle::LargeIcons:
      return QStringLiteral("Big");
    case ViewStyle::SmallIcons:
      return QStringLiteral("Small");
    case ViewStyle::List:
      return QStringLiteral("List");
    case ViewStyle::Details:
      break;
  }
  return QStringLiteral("Report");
}

constexpr ViewStyle kStyles[] = {ViewStyle::LargeIcons, ViewStyle::SmallIcons, ViewStyle::List,
                                 ViewStyle::Details};

QAbstractItemView* shownView(TForm1& window) {
  if (window.fileListViews().viewStyle() == ViewStyle::Details) {
    return window.fileListViews().detailsView();
  }
  return window.fileListViews().iconView();
}

QModelIndex indexOf(QAbstractItemView* view, const QString& caption) {
  const auto matches = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, caption, 1,
                                            Qt::MatchExactly);
  return matches.isEmpty() ? QModelIndex() : matches[0];
}

// The caption as the large-icon cell wraps it: its widest line and its height.
QSize wrappedCaption(const QFont& font, const QString& caption, int width) {
  QTextLayout layout(caption, font);
  QTextOption wrap;
  wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(wrap);
  layout.beginLayout();
  qreal widest = 0;
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    widest = std::max(widest, line.naturalTextWidth());
    height += line.height();
  }
  layout.endLayout();
  return QSize(qFloor(widest), qFloor(height));
}

// A point on the entry's caption: under the icon in the large-icon style, beside it otherwise.
QPoint onCaption(QAbstractItemView* view, const QModelIndex& index) {
  const QRect cell = view->visualRect(index);
  auto* list = qobject_cast<QListView*>(view);
  if (list != nullptr && list->viewMode() == QListView::IconMode) {
    return QPoint(cell.center().x(),
                  cell.top() + list->iconSize().height() + 6 + view->fontMetrics().height() / 2);
  }
  return QPoint(cell.left() + view->iconSize().width() + 8, cell.center().y());
}

// Records the frames the style draws around the focused entry.
class FocusFrames final : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_FrameFocusRect) {
      frames.push_back(option->rect);
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
  mutable std::vector<QRect> frames;
};

// Counts the times the widget takes the focus.
class FocusCounter final : public QObject {
 public:
  explicit FocusCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) ++count;
    return false;
  }
  int count = 0;
};

// Every visible text of a dialog's buttons and labels, as drawn.
QStringList drawnTexts(const QWidget& dialog) {
  QStringList texts;
  for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
    if (button->isVisible() && !button->text().isEmpty()) {
      texts << drawnCaption(button->text());
    }
  }
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->isVisible() && !label->text().isEmpty()) {
      texts << drawnCaption(label->text());
    }
  }
  return texts;
}

bool hasLatinWord(const QString& text) {
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  return word.match(text).hasMatch();
}

// Acts on the next modal window of the class while a modal loop runs it.
void whenModalShown(const char* className, std::function<void(QWidget&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(20);
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, className, act, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->inherits(className) && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(*modal);
    } else if (++*tries > 250) {
      // Not shown within five seconds: the test fails on what it did not see, and does not hang.
      timer->stop();
      timer->deleteLater();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }
  });
  timer->start();
}

#ifdef _WIN32
// A system dialog's caption and its shown controls' texts, as the system draws them.
QStringList systemDialogTexts(HWND dialog) {
  QStringList texts{windowText(dialog)};
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) -> BOOL {
        const QString text = windowText(child);
        if (IsWindowVisible(child) && !text.isEmpty()) {
          reinterpret_cast<QStringList*>(data)->append(drawnCaption(text));
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}

// The latest time anything under the key was written, zero when the key is absent.
quint64 lastWritten(HKEY parent, const std::wstring& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  FILETIME written{};
  DWORD subkeys = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, &written);
  quint64 latest = (quint64(written.dwHighDateTime) << 32) | written.dwLowDateTime;
  for (DWORD i = 0; i < subkeys; ++i) {
    wchar_t subkey[256] = {};
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, subkey, &length, nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS) {
      latest = std::max(latest, lastWritten(key, subkey));
    }
  }
  RegCloseKey(key);
  return latest;
}
#endif

QStringList filesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  return files;
}

}  // namespace

class WindowAsMetTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void init();
  void cleanup();
  void aSelectedCaptionIsDrawnWholeInTheHighlight_data();
  void aSelectedCaptionIsDrawnWholeInTheHighlight();
  void aFocusedEntryIsFramedAroundItsWholeCaption_data();
  void aFocusedEntryIsFramedAroundItsWholeCaption();
  void aStyleReachedThroughAnotherLooksAsChosenDirectly();
  void visitingTheMenuBarOrAnotherWindowOpensNothing_data();
  void visitingTheMenuBarOrAnotherWindowOpensNothing();
  void everyMenuMnemonicOpensItsMenuOnEveryPress();
  void onlyTheKeyboardsFocusOpensTheEntry();
  void qtDialogsSpeakJapaneseAndLeaveNoSettingsFile();
  void theProgramsBoxesHaveJapaneseButtons();
  void everyBoxIsWideEnoughForItsCaption();
  void bandsMoveButCannotBeHidden();
  void everyMenuItemCarriesAnIcon();
  void theTaskBarNameIsTheTitleAndTheCaptionTheFolder();
  void longTextsShowTheirStartAndWrap();
  void theWindowTellsWhyTheDatabaseIsBroken_data();
  void theWindowTellsWhyTheDatabaseIsBroken();

 private:
  std::unique_ptr<TForm1> makeWindow();
  void select(TForm1& window, const QString& caption);

  QString startFolder_ = QDir::currentPath();
  QTemporaryDir home_;
  QTemporaryDir caches_;
  std::unique_ptr<QTemporaryDir> programFolder_;
  std::unique_ptr<QTemporaryDir> listed_;
  std::shared_ptr<std::vector<RecordedStart>> starts_;
  std::shared_ptr<std::vector<OpenedLink>> opened_;
  RecordingModals* modals_ = nullptr;
};

// The user's folders are the test's own, empty, before anything could read or write them; the
// application is set up as the program sets it up.
void WindowAsMetTest::initTestCase() {
  QVERIFY(home_.isValid() && caches_.isValid());
  qputenv("HOME", QFile::encodeName(home_.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral(".config"))));
  qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral(".local/share"))));
  qputenv("XDG_CACHE_HOME", QFile::encodeName(caches_.path()));
  vorlent::setUpApplication();
}

void WindowAsMetTest::init() {
  programFolder_ = std::make_unique<QTemporaryDir>();
  listed_ = std::make_unique<QTemporaryDir>();
  starts_ = std::make_shared<std::vector<RecordedStart>>();
  opened_ = std::make_shared<std::vector<OpenedLink>>();
  const QDir listed(listed_->path());
  QVERIFY(listed.mkdir(QStringLiteral("TRAPDIR")));
  for (const QString& name : {kShortName, kLongName, QStringLiteral("trap.exe"),
                              QStringLiteral("trap.dsk"), QStringLiteral("GAME.ROM")}) {
    touch(listed.filePath(name));
  }
  QVERIFY(QDir::setCurrent(listed_->path()));
}

void WindowAsMetTest::cleanup() { QVERIFY(QDir::setCurrent(startFolder_)); }

std::unique_ptr<TForm1> WindowAsMetTest::makeWindow() {
  auto services = servicesIn(programFolder_->path());
  services.processes = std::make_unique<RecordingProcessStarter>(starts_);
  services.opener = std::make_unique<RecordingOpener>(opened_);
  modals_ = &recordModals(services);
  auto window = std::make_unique<TForm1>(std::move(services));
  window->resize(800, 500);
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) {
    qWarning("the main window did not become active");
  }
  return window;
}

// A click on the entry's caption, as the user selects it.
void WindowAsMetTest::select(TForm1& window, const QString& caption) {
  QAbstractItemView* view = shownView(window);
  const QModelIndex index = indexOf(view, caption);
  QVERIFY2(index.isValid(), qPrintable(caption));
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onCaption(view, index));
  QCOMPARE(window.fileList().selectedCount(), std::size_t(1));
  QCOMPARE(vorlent::toQt(window.fileList().focused()->caption), caption);
}

void WindowAsMetTest::aSelectedCaptionIsDrawnWholeInTheHighlight_data() {
  QTest::addColumn<int>("style");
  QTest::addColumn<QString>("caption");
  for (const ViewStyle style : kStyles) {
    for (const QString& caption : {kShortName, kLongName, kBlankName}) {
      QTest::newRow(qPrintable(styleName(style) + QLatin1Char(' ') + caption))
          << int(style) << caption;
    }
  }
}

// The highlight runs under the whole caption, every wrapped line of it, and the caption is
// drawn on it in the highlighted text's colour.
void WindowAsMetTest::aSelectedCaptionIsDrawnWholeInTheHighlight() {
  QFETCH(int, style);
  QFETCH(QString, caption);
  for (int i = 0; caption == kBlankName && i < 70; ++i) {
    touch(listed_->filePath(QStringLiteral("%1_a_long_name_without_blanks_that_wraps.rom").arg(i)));
  }
  touch(listed_->filePath(kBlankName));
  auto window = makeWindow();
  window->setViewStyle(static_cast<ViewStyle>(style));
  QCoreApplication::processEvents();
  QAbstractItemView* view = shownView(*window);
  select(*window, caption);
  // The mouse leaves, so that no hover tint is taken for the highlight.
  QTest::mouseMove(view->viewport(), QPoint(view->viewport()->width() - 2, 2));
  const QModelIndex index = indexOf(view, caption);
  const QRect cell = view->visualRect(index);
  const QImage picture = view->viewport()->grab(cell).toImage();
  const QPalette::ColorGroup group = view->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
  const QRgb highlight = view->palette().color(group, QPalette::Highlight).rgb();
  const QColor highlightedText = view->palette().color(group, QPalette::HighlightedText);

  QRect highlighted;
  int textPixels = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      // The style may shade the highlight a little (a gradient under a details row).
      if (qAbs(qRed(pixel) - qRed(highlight)) + qAbs(qGreen(pixel) - qGreen(highlight)) +
              qAbs(qBlue(pixel) - qBlue(highlight)) <
          48) {
        highlighted |= QRect(x, y, 1, 1);
      }
    }
  }
  QVERIFY2(highlighted.isValid(), "nothing is highlighted");
  for (int y = highlighted.top(); y <= highlighted.bottom(); ++y) {
    for (int x = highlighted.left(); x <= highlighted.right(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      if (qAbs(pixel.red() - highlightedText.red()) +
              qAbs(pixel.green() - highlightedText.green()) +
              qAbs(pixel.blue() - highlightedText.blue()) <
          96) {
        ++textPixels;
      }
    }
  }
  const bool wraps = static_cast<ViewStyle>(style) == ViewStyle::LargeIcons;
  const QSize text =
      wraps ? wrappedCaption(view->font(), caption, cell.width() - 4)
            : QSize(view->fontMetrics().horizontalAdvance(caption), view->fontMetrics().height());
  QVERIFY2(highlighted.width() >= text.width() && highlighted.height() >= text.height() - 1,
           qPrintable(QStringLiteral("the highlight is %1 x %2, the caption %3 x %4")
                          .arg(highlighted.width())
                          .arg(highlighted.height())
                          .arg(text.width())
                          .arg(text.height())));
  QVERIFY2(textPixels >= caption.size() * 2,
           qPrintable(QStringLiteral("%1 pixels of text on the highlight").arg(textPixels)));
}

void WindowAsMetTest::aFocusedEntryIsFramedAroundItsWholeCaption_data() {
  QTest::addColumn<int>("style");
  for (const ViewStyle style : kStyles) {
    QTest::newRow(qPrintable(styleName(style))) << int(style);
  }
}

void WindowAsMetTest::aFocusedEntryIsFramedAroundItsWholeCaption() {
  QFETCH(int, style);
  auto window = makeWindow();
  window->setViewStyle(static_cast<ViewStyle>(style));
  QCoreApplication::processEvents();
  QAbstractItemView* view = shownView(*window);
  FocusFrames frames(QApplication::style()->name());
  view->setStyle(&frames);
  const QModelIndex index = indexOf(view, kLongName);
  view->setFocus(Qt::OtherFocusReason);
  view->selectionModel()->clearSelection();
  view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  QVERIFY(view->hasFocus());
  QCOMPARE(window->fileList().selectedCount(), std::size_t(0));
  const QRect cell = view->visualRect(index);
  frames.frames.clear();
  view->viewport()->grab(cell);
  const bool wraps = static_cast<ViewStyle>(style) == ViewStyle::LargeIcons;
  const QSize text =
      wraps ? wrappedCaption(view->font(), kLongName, cell.width() - 4)
            : QSize(view->fontMetrics().horizontalAdvance(kLongName), view->fontMetrics().height());
  QStringList drawn;
  bool whole = false;
  for (const QRect& frame : frames.frames) {
    drawn << QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height());
    whole = whole || (frame.width() >= text.width() && frame.height() >= text.height());
  }
  view->setStyle(nullptr);
  QVERIFY2(whole, qPrintable(QStringLiteral("caption %1x%2, frames %3")
                                 .arg(text.width())
                                 .arg(text.height())
                                 .arg(drawn.join(QLatin1Char(' ')))));
}

// Every ordered pair of styles and a few longer detours end in the cells and the picture of the
// same style chosen directly, and a click on the first caption selects it.
void WindowAsMetTest::aStyleReachedThroughAnotherLooksAsChosenDirectly() {
  struct Shown {
    QImage picture;
    std::vector<QSize> cells;
  };
  const auto look = [](TForm1& window) {
    QAbstractItemView* view = shownView(window);
    // The mouse rests where no entry is, so that the style tints none as hovered (the Windows
    // style does), wherever an earlier window left it.
    QTest::mouseMove(view->viewport(),
                     QPoint(view->viewport()->width() - 2, view->viewport()->height() - 2));
    // Layouts and scroll bars settle over a few rounds of events.
    QTest::qWait(50);
    Shown shown;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
      shown.cells.push_back(view->visualRect(view->model()->index(row, 0)).size());
    }
    shown.picture = window.fileListViews().grab().toImage();
    return shown;
  };
  std::map<int, Shown> direct;
  for (const ViewStyle style : kStyles) {
    auto window = makeWindow();
    window->setViewStyle(style);
    direct[int(style)] = look(*window);
  }
  std::vector<std::vector<ViewStyle>> routes;
  for (const ViewStyle from : kStyles) {
    for (const ViewStyle to : kStyles) {
      if (from != to) routes.push_back({from, to});
    }
  }
  routes.push_back(
      {ViewStyle::SmallIcons, ViewStyle::List, ViewStyle::Details, ViewStyle::LargeIcons});
  routes.push_back({ViewStyle::LargeIcons, ViewStyle::Details, ViewStyle::SmallIcons});
  routes.push_back({ViewStyle::LargeIcons, ViewStyle::Details, ViewStyle::List});
  routes.push_back({ViewStyle::Details, ViewStyle::LargeIcons, ViewStyle::Details,
                    ViewStyle::SmallIcons, ViewStyle::List, ViewStyle::LargeIcons});
  QStringList faults;
  for (const auto& route : routes) {
    QStringList names;
    for (const ViewStyle style : route) names << styleName(style);
    const QString name = names.join(QStringLiteral(" > "));
    auto window = makeWindow();
    for (const ViewStyle style : route) {
      window->setViewStyle(style);
      QCoreApplication::processEvents();
    }
    const Shown shown = look(*window);
    const Shown& expected = direct[int(route.back())];
    if (shown.cells != expected.cells) {
      faults << name + QStringLiteral(": cells %1x%2, chosen directly %3x%4")
                           .arg(shown.cells.front().width())
                           .arg(shown.cells.front().height())
                           .arg(expected.cells.front().width())
                           .arg(expected.cells.front().height());
    } else if (shown.picture != expected.picture) {
      faults << name + QStringLiteral(": drawn otherwise");
    }
    QAbstractItemView* view = shownView(*window);
    const QModelIndex first = view->model()->index(0, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onCaption(view, first));
    if (window->fileList().selectedCount() != 1 || !window->fileList().isSelected(0)) {
      faults << name + QStringLiteral(": a click on the first caption selects nothing");
    }
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void WindowAsMetTest::visitingTheMenuBarOrAnotherWindowOpensNothing_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("route");
  for (const QString& entry :
       {QStringLiteral("trap.exe"), QStringLiteral("TRAPDIR"), QStringLiteral("trap.dsk")}) {
    for (const QString& route :
         {QStringLiteral("Alt, Escape"), QStringLiteral("Alt+H, I"),
          QStringLiteral("the menu bar's reason"), QStringLiteral("list menu"),
          QStringLiteral("a box"), QStringLiteral("another window")}) {
      QTest::newRow(qPrintable(entry + QStringLiteral(": ") + route)) << entry << route;
    }
  }
}

// The list takes the focus back from the menu bar, a popup, a box or another window; none of
// these opens the selected entry.
void WindowAsMetTest::visitingTheMenuBarOrAnotherWindowOpensNothing() {
  QFETCH(QString, entry);
  QFETCH(QString, route);
  auto window = makeWindow();
  window->setViewStyle(ViewStyle::Details);
  select(*window, entry);
  QAbstractItemView* view = shownView(*window);
  QVERIFY(view->hasFocus());
  const QString title = window->windowTitle();
  const FocusCounter focus(view);
  // The offscreen platform leaves a closed popup or box the active window, where a desktop
  // gives the activation back to the main window.
  const auto takeActivationBack = [&window] {
    QTest::qWait(50);
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(window.get()));
  };
  const auto key = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, pressed, modifiers);
  };
  if (route == QStringLiteral("Alt, Escape")) {
    QTest::keyPress(view, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(view, Qt::Key_Alt, {});
    QVERIFY2(window->menuBar()->hasFocus(), "Alt gives the menu bar the focus");
    key(Qt::Key_Escape);
  } else if (route == QStringLiteral("Alt+V, Escape, Escape")) {
    key(Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    key(Qt::Key_Escape);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    takeActivationBack();
    key(Qt::Key_Escape);
  } else if (route == QStringLiteral("Alt+H, I")) {
    key(Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    key(Qt::Key_I);
    QTRY_VERIFY(modals_->dialogs.contains(QStringLiteral("AboutBox")));
    takeActivationBack();
  } else if (route == QStringLiteral("the menu bar's reason")) {
    window->menuBar()->setFocus(Qt::MenuBarFocusReason);
    view->setFocus(Qt::MenuBarFocusReason);
  } else if (route == QStringLiteral("list menu")) {
    const QPoint at = view->visualRect(view->currentIndex()).center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, view->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(view->viewport(), &menu);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    key(Qt::Key_Escape);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    takeActivationBack();
  } else if (route == QStringLiteral("a box")) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Ok, window.get());
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.accept();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
  } else if (route == QStringLiteral("another window")) {
    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    auto* line = new QLineEdit(&other);
    line->show();
    line->setFocus(Qt::TabFocusReason);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    view->setFocus(Qt::TabFocusReason);
  }
  QCoreApplication::processEvents();
  QTRY_VERIFY(view->hasFocus());
  QVERIFY2(focus.count > 0, "the list never lost and took back the focus");
  QVERIFY2(starts_->empty(), starts_->empty() ? "" : starts_->front().commandLine.c_str());
  QCOMPARE(window->windowTitle(), title);
  QVERIFY(window->state().drives[0].path.empty());
  QVERIFY(opened_->empty());
}

// Every Alt+letter of the menu bar opens its menu on every press, on both tabs, from the list
// and from every band's buttons, and runs nothing else.
void WindowAsMetTest::everyMenuMnemonicOpensItsMenuOnEveryPress() {
  auto window = makeWindow();
  QStringList faults;
  for (const int tab : {0, 1}) {
    window->emulatorTabs().pageControl->setCurrentIndex(tab);
    for (QWidget* origin : window->findChildren<QWidget*>()) {
      if (!origin->isVisible() ||
          !(origin->inherits("QToolButton") || origin == shownView(*window)))
        continue;
      for (const QAction* top : window->menuBar()->actions()) {
        const QKeyCombination key = QKeySequence::mnemonic(top->text())[0];
        for (int press = 0; press < 3 && top->isVisible(); ++press) {
          origin->setFocus(Qt::OtherFocusReason);
          QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
          QWidget* popup = QApplication::activePopupWidget();
          if (popup != top->menu()) faults << origin->objectName() + QLatin1Char(' ') + top->text();
          if (popup != nullptr) popup->close();
        }
      }
    }
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  QVERIFY(starts_->empty() && modals_->dialogs.isEmpty() && modals_->boxes.empty());
}

// With a program selected, Tab or Shift+Tab into the list opens it; focus that comes with a
// click on an entry, on empty space or on a header, from any control, opens nothing.
void WindowAsMetTest::onlyTheKeyboardsFocusOpensTheEntry() {
  auto window = makeWindow();
  window->setViewStyle(ViewStyle::Details);
  auto* view = static_cast<QTreeView*>(shownView(*window));
  QStringList faults;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisible() || !control->isEnabled() || control->focusPolicy() == Qt::NoFocus ||
        window->fileListViews().isAncestorOf(control)) {
      continue;
    }
    for (const int way : {0, 1, 2, 3, 4}) {
      select(*window, QStringLiteral("trap.exe"));
      starts_->clear();
      control->setFocus(Qt::OtherFocusReason);
      if (way < 2) view->setFocus(way == 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      const QPoint at[] = {onCaption(view, indexOf(view, kShortName)),
                           QPoint(300, view->height() - 30)};
      if (way > 1 && way < 4) QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at[way - 2]);
      if (way == 4) QTest::mouseClick(view->header()->viewport(), Qt::LeftButton, {}, {9, 5});
      if (!view->hasFocus() || int(starts_->size()) != (way < 2 ? 1 : 0)) {
        faults << control->objectName() + QStringLiteral(" way %1").arg(way);
      }
    }
  }
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  starts_->clear();
  QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QVERIFY(view->hasFocus() && starts_->size() == 1);
}

// The open, save and folder dialogs and Qt's question over an existing file speak Japanese, and
// none of them leaves a settings file behind.
void WindowAsMetTest::qtDialogsSpeakJapaneseAndLeaveNoSettingsFile() {
  auto window = makeWindow();
  RecordingModals modals;
  vorlent::QtPrompts prompts(window.get(), modals);
  const std::string folder = vorlent::toCore(listed_->path());
  QStringList faults;
  const auto check = [&](const QString& dialog, const QStringList& texts) {
    if (texts.isEmpty()) faults << dialog + QStringLiteral(": nothing shown");
    for (const QString& text : texts) {
      // The names of the folder and the file are the user's own.
      QString words = text;
      words.remove(listed_->path()).remove(QDir(listed_->path()).dirName()).remove(kShortName);
      if (hasLatinWord(words) && text != QStringLiteral("OK")) {
        faults << dialog + QStringLiteral(": \"") + text + QLatin1Char('"');
      }
    }
  };
  QStringList shown;
  QStringList question;
#ifdef _WIN32
  // Windows asks with its own dialogs, read here as the system draws them; Qt's settings there
  // are the registry's.
  const std::wstring qtSettings = L"Software\\QtProject";
  const quint64 qtSettingsWritten = lastWritten(HKEY_CURRENT_USER, qtSettings);
  const auto cancelAfterLooking = [&shown](HWND dialog) {
    shown = systemDialogTexts(dialog);
    pressDialogButton(dialog, IDCANCEL);
  };
  whenSystemDialogShown(nullptr, cancelAfterLooking);
  QVERIFY(!prompts.chooseFolder("フォルダ", folder));
  check(QStringLiteral("folder"), shown);
  shown.clear();
  whenSystemDialogShown(nullptr, cancelAfterLooking);
  QVERIFY(!prompts.chooseFilesToOpen(folder));
  check(QStringLiteral("open"), shown);
  shown.clear();
  whenSystemDialogShown(nullptr, [&](HWND dialog) {
    shown = systemDialogTexts(dialog);
    whenSystemDialogShown(dialog, [&, dialog](HWND box) {
      question = systemDialogTexts(box);
      pressDialogButton(box, IDNO);
      pressDialogButton(dialog, IDCANCEL);
    });
    typeFileName(dialog, kShortName);
    pressDialogButton(dialog, IDOK);
  });
  QVERIFY(!prompts.chooseFileToSave(folder));
  check(QStringLiteral("save"), shown);
  check(QStringLiteral("replace"), question);
  QVERIFY2(!question.isEmpty(), "no question over the existing file");
  window.reset();
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  QCOMPARE(lastWritten(HKEY_CURRENT_USER, qtSettings), qtSettingsWritten);
#else
  const auto rejectAfterLooking = [&shown](QWidget& dialog) {
    shown = drawnTexts(dialog);
    static_cast<QDialog&>(dialog).reject();
  };
  whenModalShown("QFileDialog", rejectAfterLooking);
  QVERIFY(!prompts.chooseFolder("フォルダ", folder));
  check(QStringLiteral("folder"), shown);
  check(QStringLiteral("type"), {QFileIconProvider().type(QFileInfo(listed_->path()))});
  whenModalShown("QFileDialog", rejectAfterLooking);
  QVERIFY(!prompts.chooseFilesToOpen(folder));
  check(QStringLiteral("open"), shown);

  whenModalShown("QFileDialog", [&](QWidget& dialog) {
    shown = drawnTexts(dialog);
    auto& files = static_cast<QFileDialog&>(dialog);
    whenModalShown("QMessageBox", [&](QWidget& box) {
      question = drawnTexts(box);
      question << static_cast<QMessageBox&>(box).text();
      static_cast<QMessageBox&>(box).reject();
      QTimer::singleShot(0, &files, &QDialog::reject);
    });
    auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name != nullptr);
    name->setText(kShortName);
    QTest::keyClick(name, Qt::Key_Return);
  });
  QVERIFY(!prompts.chooseFileToSave(folder));
  check(QStringLiteral("save"), shown);
  check(QStringLiteral("replace"), question);
  QVERIFY2(!question.isEmpty(), "no question over the existing file");
  window.reset();
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  const QStringList written = filesBelow(home_.path());
  QVERIFY2(written.isEmpty(), qPrintable(written.join(QStringLiteral(", "))));
#endif
}

void WindowAsMetTest::theProgramsBoxesHaveJapaneseButtons() {
  auto services = servicesIn(programFolder_->path());
  // A program folder that is gone cannot take the configuration file.
  services.programFolder += "gone/";
  auto& modals = recordModals(services);
  TForm1 window(std::move(services));
  window.show();
  modals.boxes.clear();
  modals.answers = {QMessageBox::Ok, QMessageBox::No};
  QVERIFY(!window.close());
  QCOMPARE(modals.boxes.size(), std::size_t{2});
  QCOMPARE(modals.boxes[0].buttons, QStringList{QStringLiteral("OK")});
  QCOMPARE(modals.boxes[1].buttons,
           (QStringList{QStringLiteral("はい"), QStringLiteral("いいえ")}));
  QCOMPARE(modals.boxes[1].defaultButton, QStringLiteral("いいえ"));
  modals.answers = {QMessageBox::Ok, QMessageBox::Yes};
  QVERIFY(window.close());
}

// A box as narrow as its text would cut its caption; every kind of box leaves it room.
void WindowAsMetTest::everyBoxIsWideEnoughForItsCaption() {
  auto window = makeWindow();
  QStringList faults;
  modals_->whileShown = [&faults](QDialog& box) {
    box.show();
    QCoreApplication::processEvents();
    // The caption's text, the close button and the frame's margins.
    const int needed = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
    if (box.width() < needed) {
      faults << QStringLiteral("%1: %2 < %3").arg(box.windowTitle()).arg(box.width()).arg(needed);
    }
  };
  for (const auto kind : {vorlent::MessageKind::Plain, vorlent::MessageKind::Warning,
                          vorlent::MessageKind::Error, vorlent::MessageKind::Information}) {
    window->feedback().showMessageBox(kind, " -res 0(7)");
  }
  window->feedback().reportError("x");
  window->ToolButton29Click();
  QVERIFY(modals_->boxes.size() >= 6);
  // The prompts for a new file's and a new folder's name.
  window->mainMenu().newFile->trigger();
  window->mainMenu().newFolder->trigger();
  QCOMPARE(modals_->dialogs.size(), 2);
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

// A right click on a band or the menu bar opens no menu that could hide a band; the bands stay
// movable.
void WindowAsMetTest::bandsMoveButCannotBeHidden() {
  auto window = makeWindow();
  const auto bands = window->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly);
  QCOMPARE(bands.size(), 4);
  QList<QWidget*> places(bands.begin(), bands.end());
  places << window->menuBar();
  for (QWidget* place : places) {
    QTest::mouseClick(place, Qt::RightButton, {}, QPoint(place->width() - 3, place->height() / 2));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(place->width() - 3, 3),
                           place->mapToGlobal(QPoint(place->width() - 3, 3)));
    QCoreApplication::sendEvent(place, &menu);
    QCoreApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    if (popup != nullptr) popup->close();
    QVERIFY2(popup == nullptr, qPrintable(place->objectName()));
  }
  for (QToolBar* band : bands) {
    QVERIFY2(band->isMovable(), qPrintable(band->objectName()));
    QVERIFY2(band->isVisible(), qPrintable(band->objectName()));
  }
}

void WindowAsMetTest::everyMenuItemCarriesAnIcon() {
  auto window = makeWindow();
  QStringList bare;
  const std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
    for (const QAction* action : menu->actions()) {
      if (action->isSeparator() || !action->isVisible()) continue;
      if (action->icon().isNull()) bare << drawnCaption(action->text());
      if (action->menu() != nullptr) walk(action->menu());
    }
  };
  for (const QAction* top : window->menuBar()->actions()) {
    if (top->isVisible() && top->menu() != nullptr) walk(top->menu());
  }
  QVERIFY2(bare.isEmpty(), qPrintable(bare.join(QStringLiteral(", "))));
}

void WindowAsMetTest::theTaskBarNameIsTheTitleAndTheCaptionTheFolder() {
  auto window = makeWindow();
  QCOMPARE(window->windowTitle(), QDir::toNativeSeparators(listed_->path()));
#ifdef _WIN32
  // Windows names the task-bar button with the caption itself.
  QCOMPARE(windowText(reinterpret_cast<HWND>(window->winId())),
           QDir::toNativeSeparators(listed_->path()));
#endif
  QCOMPARE(window->windowIconText(), QStringLiteral("MSXVorlent!"));
  QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("MSXVorlent!"));
  window->setViewStyle(ViewStyle::Details);
  select(*window, QStringLiteral("TRAPDIR"));
  QTest::mouseDClick(
      shownView(*window)->viewport(), Qt::LeftButton, {},
      onCaption(shownView(*window), indexOf(shownView(*window), QStringLiteral("TRAPDIR"))));
  QCOMPARE(window->windowTitle(),
           QDir::toNativeSeparators(listed_->filePath(QStringLiteral("TRAPDIR"))));
  QCOMPARE(window->windowIconText(), QStringLiteral("MSXVorlent!"));
}

// The status line shows the start of a long text; a long title wraps in its box.
void WindowAsMetTest::longTextsShowTheirStartAndWrap() {
  TestSoftware software;
  software.title = std::string(3000, 'T');
  software.dumps = {{"da39a3ee5e6b4b0d3255bfef95601890afd80709", "A"}};
  QFile database(programFolder_->filePath(QStringLiteral("softwaredb.xml")));
  QVERIFY(database.open(QIODevice::WriteOnly));
  database.write(softwareDatabaseText({software}).c_str());
  database.close();
  const QString name = QString(200, QLatin1Char('x')) + QStringLiteral("_0123456789.rom");
  touch(listed_->filePath(name));
  auto window = makeWindow();
  window->setViewStyle(ViewStyle::Details);
  select(*window, name);
  window->mediaToolbar().cartridgeSlots[0].button->click();
  const auto* status = window->findChild<QLineEdit*>(QStringLiteral("StatusLine"));
  QVERIFY(status->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 8);
  QStringList cut;
  modals_->whileShown = [&cut](QDialog& box) {
    box.show();
    for (const QLabel* label : box.findChildren<QLabel*>()) {
      const int room = std::min(label->contentsRect().width(), box.width() - label->x());
      const QFontMetrics metrics = label->fontMetrics();
      if (metrics.boundingRect(0, 0, room, 1 << 20, Qt::TextWordWrap, label->text()).width() >
          room) {
        cut << label->text();
      }
    }
  };
  select(*window, QStringLiteral("GAME.ROM"));
  window->RomInformation1Click();
  QVERIFY(!modals_->boxes.empty() && cut.isEmpty());
}

void WindowAsMetTest::theWindowTellsWhyTheDatabaseIsBroken_data() {
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<bool>("fifo");
  QTest::addColumn<QString>("kept");
  QTest::newRow("malformed") << QByteArray("<softwaredb>\n<software>\n<title>x</software>") << false
                             << QStringLiteral("3 行目");
  QTest::newRow("too deep") << QByteArray("<softwaredb>").append(QByteArray("<a>").repeated(16))
                            << false << QStringLiteral("16");
  QTest::newRow("not a database") << QByteArray("<other/>") << false << QString();
#ifndef _WIN32
  QTest::newRow("a FIFO") << QByteArray() << true << QString();
#endif
}

// The status line says why the database cannot be used, as the command line tool does, and the
// slot menu no longer offers it.
void WindowAsMetTest::theWindowTellsWhyTheDatabaseIsBroken() {
  QFETCH(QByteArray, content);
  QFETCH(bool, fifo);
  const QString database = programFolder_->filePath(QStringLiteral("softwaredb.xml"));
#ifndef _WIN32
  if (fifo) QCOMPARE(mkfifo(QFile::encodeName(database).constData(), 0600), 0);
#endif
  if (!fifo) {
    QFile file(database);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
  }
  auto window = makeWindow();
  window->setViewStyle(ViewStyle::Details);
  select(*window, QStringLiteral("GAME.ROM"));
  const auto& slot = window->mediaToolbar().cartridgeSlots[0];
  slot.button->click();
  QVERIFY(!window->state().slots[0].path.empty());
  QVERIFY(slot.identifyItem->isEnabled());
  slot.identifyItem->trigger();
  const QString status = window->findChild<QLineEdit*>(QStringLiteral("StatusLine"))->text();

  const auto files = vorlent::makeFileSystem();
  const auto xml = vorlent::makeXmlReader();
  const auto sha1 = vorlent::makeSha1Digester();
  vorlent::SoftwareDatabaseSource source({vorlent::toCore(database)}, *files, *xml, *sha1);
  QVERIFY(source.database() == nullptr);
  QVERIFY(!source.problem().empty());
  QFETCH(QString, kept);
  QString reason = status;
  reason.remove(database).remove(QStringLiteral("softwaredb")).remove(QStringLiteral("XML"));
  QVERIFY2(!hasLatinWord(reason) && reason.contains(kept), qPrintable(status));
  QVERIFY(status.contains(database));
  QVERIFY(!slot.identifyItem->isEnabled());
  // Opened again, the slot menu shows the item as unavailable.
  slot.menu->popup(slot.button->mapToGlobal(QPoint(0, slot.button->height())));
  QTRY_VERIFY(slot.menu->isVisible());
  QVERIFY(!slot.identifyItem->isEnabled());
  slot.menu->close();
}

QTEST_MAIN(WindowAsMetTest)
#include "test_window_as_met.moc"
