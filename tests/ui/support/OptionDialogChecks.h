// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "OptionControlProbe.h"
#include "RecordingModals.h"
#include "ShownOnScreen.h"

// The checks both option dialogs share, for the data rows of the test that calls them. Dialog
// is the window, Options the option set it edits.
namespace vorlent::testing {

// What the window shows around its controls.
struct OptionWindow {
  bool menuBar;
  QString caption;
  QSize client;  // below the menu bar where there is one
  int pagesHeight;
  QStringList pages;
};

// The caption, a fixed size centred on the desktop without the title bar's buttons, the pages
// from the first shown, and the three buttons below them from left to right.
template <typename Dialog, typename Options>
void checkWindowHasItsCaptionSizePagesAndButtons(const OptionWindow& window) {
  Options options;
  Dialog dialog(options);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QCOMPARE(dialog.windowTitle(), window.caption);
  auto* client = dialog.template findChild<QWidget*>(QStringLiteral("ClientArea"));
  QVERIFY(client != nullptr);
  QCOMPARE(client->size(), window.client);
  auto* menuBar = dialog.template findChild<QMenuBar*>();
  QCOMPARE(menuBar != nullptr, window.menuBar);
  const int menuHeight = menuBar != nullptr ? menuBar->height() : 0;
  QCOMPARE(client->y(), menuHeight);
  QCOMPARE(dialog.size(), window.client + QSize(0, menuHeight));
  QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
  const Qt::WindowFlags flags = dialog.windowFlags();
  QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
  QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinMaxButtonsHint));
  QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
  const QPoint desktopCentre = dialog.screen()->availableGeometry().center();
  QVERIFY(qAbs(dialog.geometry().center().x() - desktopCentre.x()) <= 1);
  QVERIFY(qAbs(dialog.geometry().center().y() - desktopCentre.y()) <= 1);

  auto* pages = dialog.template findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  QVERIFY(pages != nullptr);
  // In the client area.
  QCOMPARE(pages->geometry(), QRect(0, 0, window.client.width(), window.pagesHeight));
  QStringList captions;
  for (int index = 0; index < pages->count(); ++index) {
    captions << drawnCaption(pages->tabText(index));
  }
  QCOMPARE(captions, window.pages);
  QCOMPARE(pages->currentIndex(), 0);

  const QStringList buttonTexts = {QStringLiteral("OK"), QStringLiteral("リセット"),
                                   QStringLiteral("閉じる")};
  int left = -1;
  for (int index = 0; index < 3; ++index) {
    auto* button =
        dialog.template findChild<QPushButton*>(QStringLiteral("BitBtn%1").arg(index + 1));
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), buttonTexts[index]);
    QVERIFY(!button->icon().isNull());
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(button->mapTo(&dialog, QPoint()).y() >= menuHeight + window.pagesHeight);
    QVERIFY(button->x() > left);
    left = button->x();
  }
}

template <typename Dialog, typename Options>
void checkChoiceShowsItsCaptionAndItems() {
  QFETCH(QString, name);
  QFETCH(QString, page);
  QFETCH(QString, caption);
  QFETCH(QStringList, items);
  QFETCH(int, columns);
  Options options;
  Dialog dialog(options);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QGroupBox* choice = choiceNamed(dialog, name);
  QVERIFY(choice != nullptr);
  QCOMPARE(drawnCaption(choice->title()), caption);
  QCOMPARE(itemTexts(*choice), items);
  QCOMPARE(pageCaptionOf(dialog, *choice), page);
  showPageOf(dialog, *choice);
  QCOMPARE(itemColumns(*choice), std::min(columns, int(items.size())));
}

template <typename Dialog, typename Options>
void checkSliderHasItsRangeStepsAndLabels() {
  QFETCH(QString, name);
  QFETCH(QString, frame);
  QFETCH(QString, page);
  QFETCH(QString, caption);
  QFETCH(int, minimum);
  QFETCH(int, maximum);
  QFETCH(int, arrowStep);
  QFETCH(int, pageStep);
  QFETCH(int, tickInterval);
  QFETCH(QStringList, labels);
  QFETCH(int, redLabel);
  Options options;
  Dialog dialog(options);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QSlider* slider = sliderNamed(dialog, name);
  QVERIFY(slider != nullptr);
  auto* box = qobject_cast<QGroupBox*>(slider->parentWidget());
  QVERIFY(box != nullptr);
  QCOMPARE(box->objectName(), frame);
  QCOMPARE(drawnCaption(box->title()), caption);
  QCOMPARE(pageCaptionOf(dialog, *slider), page);
  QCOMPARE(slider->orientation(), Qt::Horizontal);
  QCOMPARE(slider->minimum(), minimum);
  QCOMPARE(slider->maximum(), maximum);
  QCOMPARE(slider->singleStep(), arrowStep);
  QCOMPARE(slider->pageStep(), pageStep);
  QCOMPARE(slider->tickInterval(), tickInterval);
  QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);

  showPageOf(dialog, *slider);
  QCOMPARE(scaleTexts(*slider), labels);
  QList<bool> red(labels.size(), false);
  red[redLabel] = true;
  QCOMPARE(scaleRed(*slider), red);
  // The labels are fixed: moving the slider shows no value.
  slider->setValue(maximum - 1);
  QCOMPARE(scaleTexts(*slider), labels);
  QCOMPARE(drawnCaption(box->title()), caption);
}

template <typename Dialog, typename Options>
void checkClickedItemIsStoredOnOk(int& (*fieldNamed)(Options&, const QString&)) {
  QFETCH(QString, name);
  QFETCH(QStringList, items);
  Options options;
  Dialog dialog(options);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QGroupBox* choice = choiceNamed(dialog, name);
  QVERIFY(choice != nullptr);
  const int before = fieldNamed(options, name);
  QCOMPARE(checkedItem(*choice), before);
  const int target = before == int(items.size()) - 1 ? 0 : int(items.size()) - 1;
  showPageOf(dialog, *choice);
  clickItem(*choice, target);
  QCOMPARE(checkedItem(*choice), target);
  QCOMPARE(fieldNamed(options, name), before);  // only "OK" takes it over
  clickButton(dialog, QStringLiteral("BitBtn1"));
  QVERIFY(!dialog.isVisible());
  Options expected;
  fieldNamed(expected, name) = target;
  QCOMPARE(options, expected);
}

template <typename Dialog, typename Options>
void checkStoredValuesAreLimitedByTheControls(int& (*fieldNamed)(Options&, const QString&)) {
  QFETCH(QString, name);
  QFETCH(int, stored);
  QFETCH(int, shown);
  QFETCH(QString, shownItem);
  Options options;
  fieldNamed(options, name) = stored;
  Dialog dialog(options);
  if (QSlider* slider = sliderNamed(dialog, name)) {
    QCOMPARE(slider->value(), shown);
  } else {
    QGroupBox* choice = choiceNamed(dialog, name);
    QVERIFY(choice != nullptr);
    QCOMPARE(checkedItem(*choice), shown);
    if (shown >= 0) {
      QCOMPARE(itemTexts(*choice).at(shown), shownItem);
    }
  }
  QCOMPARE(fieldNamed(options, name), stored);
  DialogUser ok([](QDialog& shownDialog) { clickButton(shownDialog, QStringLiteral("BitBtn1")); });
  QCOMPARE(ok.run(dialog), int(QDialog::Accepted));
  Options expected;
  fieldNamed(expected, name) = shown;
  QCOMPARE(options, expected);
}

template <typename Dialog, typename Options>
void checkSliderKeysMoveByTheirSteps(int& (*fieldNamed)(Options&, const QString&)) {
  QFETCH(QString, name);
  QFETCH(int, key);
  QFETCH(int, stored);
  Options options;
  Dialog dialog(options);
  DialogUser press([&](QDialog& shown) {
    QSlider* slider = sliderNamed(shown, name);
    showPageOf(shown, *slider);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key(key));
    QTest::keyClick(slider, Qt::Key_Return);
  });
  QCOMPARE(press.run(dialog), int(QDialog::Accepted));
  Options expected;
  fieldNamed(expected, name) = stored;
  QCOMPARE(options, expected);
}

template <typename Dialog, typename Options>
void checkEnterActsAsOkAndEscapeAsClose() {
  Options options;
  Dialog dialog(options);
  DialogUser escape([](QDialog& shown) {
    clickItem(*choiceNamed(shown, QStringLiteral("ifreq")), 1);
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
  QCOMPARE(escape.run(dialog), int(QDialog::Rejected));
  QCOMPARE(options.ifreq, 0);
  QCOMPARE(checkedItem(*choiceNamed(dialog, QStringLiteral("ifreq"))), 0);

  // Enter takes "OK" even while the focus is on another button.
  DialogUser enter([](QDialog& shown) {
    clickItem(*choiceNamed(shown, QStringLiteral("ifreq")), 1);
    auto* reset = shown.findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_Return);
  });
  QCOMPARE(enter.run(dialog), int(QDialog::Accepted));
  QCOMPARE(options.ifreq, 1);
}

// "リセット" then "OK" stores the reset value of the row's control, from a set away from it.
template <typename Dialog, typename Options>
void checkResetThenOkStoresTheResetValue(const Options& away,
                                         int& (*fieldNamed)(Options&, const QString&)) {
  QFETCH(QString, name);
  QFETCH(int, reset);
  Options options = away;
  QVERIFY(fieldNamed(options, name) != reset);
  Dialog dialog(options);
  DialogUser resetAndOk([](QDialog& shown) {
    clickButton(shown, QStringLiteral("BitBtn2"));
    clickButton(shown, QStringLiteral("BitBtn1"));
  });
  QCOMPARE(resetAndOk.run(dialog), int(QDialog::Accepted));
  QCOMPARE(fieldNamed(options, name), reset);
}

// A choice and a slider as "リセット" shows them and as the set holds them.
struct ResetProbe {
  QString choice;
  int resetItem;
  int setItem;
  QString slider;
  int resetValue;
  int setValue;
};

// "リセット" shows the reset values; closing the dialog by `close` then keeps the set, the
// dialog shows it again at once and at the next opening, where "OK" stores it unchanged.
template <typename Dialog, typename Options>
void checkResetThenCloseLeavesTheSet(const Options& set, const ResetProbe& probe,
                                     const std::function<void(QDialog&)>& close) {
  Options options = set;
  Dialog dialog(options);
  DialogUser resetAndClose([&](QDialog& shown) {
    clickButton(shown, QStringLiteral("BitBtn2"));
    QCOMPARE(checkedItem(*choiceNamed(shown, probe.choice)), probe.resetItem);
    QCOMPARE(sliderNamed(shown, probe.slider)->value(), probe.resetValue);
    QVERIFY(shown.isVisible());
    close(shown);
  });
  QCOMPARE(resetAndClose.run(dialog), int(QDialog::Rejected));
  QVERIFY(resetAndClose.acted());
  QCOMPARE(options, set);
  QCOMPARE(checkedItem(*choiceNamed(dialog, probe.choice)), probe.setItem);
  QCOMPARE(sliderNamed(dialog, probe.slider)->value(), probe.setValue);

  int choiceShown = -2;
  int sliderShown = -2;
  DialogUser look([&](QDialog& shown) {
    choiceShown = checkedItem(*choiceNamed(shown, probe.choice));
    sliderShown = sliderNamed(shown, probe.slider)->value();
    clickButton(shown, QStringLiteral("BitBtn1"));
  });
  look.run(dialog);
  QCOMPARE(choiceShown, probe.setItem);
  QCOMPARE(sliderShown, probe.setValue);
  QCOMPARE(options, set);
}

// The set changed behind the dialog's back shows only after "閉じる"; the page stays.
template <typename Dialog, typename Options>
void checkOpeningDoesNotRefillAndShowsTheLastPage(int& (*fieldNamed)(Options&, const QString&),
                                                  const QString& slider, int changed) {
  Options options;
  const int shownBefore = fieldNamed(options, slider);
  QVERIFY(changed != shownBefore);
  Dialog dialog(options);
  auto* pages = dialog.template findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  DialogUser toPage([&](QDialog& shown) {
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(4).center());
    QCOMPARE(pages->currentIndex(), 4);
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
  toPage.run(dialog);
  fieldNamed(options, slider) = changed;
  int pageShown = -1;
  int sliderShown = -1;
  DialogUser look([&](QDialog& shown) {
    pageShown = pages->currentIndex();
    sliderShown = sliderNamed(shown, slider)->value();
    clickButton(shown, QStringLiteral("BitBtn3"));
  });
  look.run(dialog);
  QCOMPARE(pageShown, 4);
  QCOMPARE(sliderShown, shownBefore);
  QCOMPARE(sliderNamed(dialog, slider)->value(), changed);
}

// Every page in turn: each control whole and visible in the client area, nothing scrolls.
template <typename Dialog, typename Options>
void checkEveryPageShowsEveryControlWhole() {
  Options options;
  Dialog dialog(options);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  auto* client = dialog.template findChild<QWidget*>(QStringLiteral("ClientArea"));
  auto* pages = dialog.template findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  QVERIFY(client != nullptr && pages != nullptr);
  for (int index = 0; index < pages->count(); ++index) {
    pages->setCurrentIndex(index);
    QCoreApplication::processEvents();
    const QStringList faults = controlsNotWhole(*client);
    QVERIFY2(faults.isEmpty(), qPrintable(pages->tabText(index) + QStringLiteral(": ") +
                                          faults.join(QStringLiteral("; "))));
  }
}

}  // namespace vorlent::testing
