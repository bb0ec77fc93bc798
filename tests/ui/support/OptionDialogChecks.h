#pragma once

#include <QTabWidget>
#include <QtTest>
#include <algorithm>

#include "OptionControlProbe.h"
#include "RecordingModals.h"
#include "ShownOnScreen.h"

// The checks both option dialogs share, for the data rows of the test that calls them. Dialog
// is the window, Options the option set it edits.
namespace vorlent::testing {

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
