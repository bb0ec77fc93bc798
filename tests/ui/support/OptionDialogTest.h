// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <utility>

#include "OptionDialogChecks.h"

namespace vorlent::testing {

// The cases both option dialogs take alike, as the private slots QTest runs, with the columns
// of their tables. A dialog's test derives from OptionDialogTestOf below.
class OptionDialogTest : public QObject {
  Q_OBJECT

 protected:
  virtual void addChoiceRows() = 0;
  virtual void addSliderRows() = 0;
  virtual void addLimitRows() = 0;
  virtual void addKeyRows() = 0;
  virtual void checkWindow() = 0;
  virtual void checkEveryPage() = 0;
  virtual void checkChoice() = 0;
  virtual void checkSlider() = 0;
  virtual void checkClickedItem() = 0;
  virtual void checkLimit() = 0;
  virtual void checkKey() = 0;
  virtual void checkResetThenClose() = 0;
  virtual void checkResetThenOk() = 0;
  virtual void checkEnterAndEscape() = 0;
  virtual void checkReopening() = 0;

 private:
  void addChoiceTable() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("reset");
    addChoiceRows();
  }

  void addSliderTable() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("arrowStep");
    QTest::addColumn<int>("pageStep");
    QTest::addColumn<int>("tickInterval");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("redLabel");
    QTest::addColumn<int>("reset");
    addSliderRows();
  }

 private Q_SLOTS:
  void windowHasItsCaptionSizePagesAndButtons() {
#ifdef Q_OS_WIN
    QSKIP("It expects the dialog centred on the screen; Xvfb has no window manager to place it");
#endif
    checkWindow();
  }
  void everyPageShowsEveryControlWhole() { checkEveryPage(); }
  void choicesShowTheirCaptionsAndItems_data() { addChoiceTable(); }
  void choicesShowTheirCaptionsAndItems() { checkChoice(); }
  void slidersHaveTheirRangeStepsAndLabels_data() { addSliderTable(); }
  void slidersHaveTheirRangeStepsAndLabels() { checkSlider(); }
  // Clicking an item other than the checked one and pressing "OK" changes that field alone.
  void aClickedItemIsStoredInItsOwnFieldOnOk_data() { addChoiceTable(); }
  void aClickedItemIsStoredInItsOwnFieldOnOk() { checkClickedItem(); }
  void storedValuesAreLimitedByTheControls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("shownItem");
    addLimitRows();
  }
  // The control shows the limited value while the field keeps the loaded one; "OK" stores what
  // the control shows.
  void storedValuesAreLimitedByTheControls() { checkLimit(); }
  void sliderKeysMoveByTheirSteps_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("stored");
    addKeyRows();
  }
  void sliderKeysMoveByTheirSteps() { checkKey(); }
  void resetThenCloseLeavesTheSetAndTheNextOpeningShowsIt() { checkResetThenClose(); }
  void resetThenOkStoresEachChoicesResetValue_data() { addChoiceTable(); }
  void resetThenOkStoresEachChoicesResetValue() { checkResetThenOk(); }
  void resetThenOkStoresEachSlidersResetValue_data() { addSliderTable(); }
  void resetThenOkStoresEachSlidersResetValue() { checkResetThenOk(); }
  void enterActsAsOkAndEscapeAsClose() { checkEnterAndEscape(); }
  void openingDoesNotRefillAndShowsTheLastPage() { checkReopening(); }
};

// What a dialog's test gives the shared cases.
template <typename Options>
struct OptionDialogFacts {
  OptionWindow window;
  int& (*fieldNamed)(Options&, const QString&);
  // Every field away from its reset value, inside the controls' ranges.
  Options (*awayFromReset)();
  // The rows of the tables, below the columns OptionDialogTest gives them.
  void (*choiceRows)();
  void (*sliderRows)();
  void (*limitRows)();
  void (*keyRows)();
  ResetProbe resetProbe;
  // A slider whose field is changed while the dialog is closed, and the value it gets.
  QString reopenedSlider;
  int reopenedValue;
};

template <typename Dialog, typename Options>
class OptionDialogTestOf : public OptionDialogTest {
 public:
  explicit OptionDialogTestOf(OptionDialogFacts<Options> facts) : facts_(std::move(facts)) {}

 protected:
  void addChoiceRows() override { facts_.choiceRows(); }
  void addSliderRows() override { facts_.sliderRows(); }
  void addLimitRows() override { facts_.limitRows(); }
  void addKeyRows() override { facts_.keyRows(); }
  void checkWindow() override {
    checkWindowHasItsCaptionSizePagesAndButtons<Dialog, Options>(facts_.window);
  }
  void checkEveryPage() override { checkEveryPageShowsEveryControlWhole<Dialog, Options>(); }
  void checkChoice() override { checkChoiceShowsItsCaptionAndItems<Dialog, Options>(); }
  void checkSlider() override { checkSliderHasItsRangeStepsAndLabels<Dialog, Options>(); }
  void checkClickedItem() override {
    checkClickedItemIsStoredOnOk<Dialog, Options>(facts_.fieldNamed);
  }
  void checkLimit() override {
    checkStoredValuesAreLimitedByTheControls<Dialog, Options>(facts_.fieldNamed);
  }
  void checkKey() override { checkSliderKeysMoveByTheirSteps<Dialog, Options>(facts_.fieldNamed); }
  void checkResetThenClose() override {
    checkResetThenCloseLeavesTheSet<Dialog, Options>(
        facts_.awayFromReset(), facts_.resetProbe,
        [](QDialog& shown) { clickButton(shown, QStringLiteral("BitBtn3")); });
  }
  void checkResetThenOk() override {
    checkResetThenOkStoresTheResetValue<Dialog, Options>(facts_.awayFromReset(), facts_.fieldNamed);
  }
  void checkEnterAndEscape() override { checkEnterActsAsOkAndEscapeAsClose<Dialog, Options>(); }
  void checkReopening() override {
    checkOpeningDoesNotRefillAndShowsTheLastPage<Dialog, Options>(
        facts_.fieldNamed, facts_.reopenedSlider, facts_.reopenedValue);
  }

  const OptionDialogFacts<Options> facts_;
};

}  // namespace vorlent::testing
