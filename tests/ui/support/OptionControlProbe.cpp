// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionControlProbe.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <set>

#include "ShownOnScreen.h"

namespace vorlent::testing {

namespace {

QList<QRadioButton*> itemsOf(const QGroupBox& choice) {
  return choice.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
}

QList<QLabel*> labelsUnder(const QSlider& slider) {
  auto* scale =
      slider.parentWidget()->findChild<QWidget*>(slider.objectName() + QStringLiteral("Scale"));
  if (scale == nullptr) {
    return {};
  }
  QList<QLabel*> labels = scale->findChildren<QLabel*>();
  std::stable_sort(labels.begin(), labels.end(),
                   [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
  return labels;
}

}  // namespace

QGroupBox* choiceNamed(const QDialog& dialog, const QString& name) {
  return dialog.findChild<QGroupBox*>(name);
}

QSlider* sliderNamed(const QDialog& dialog, const QString& name) {
  return dialog.findChild<QSlider*>(name);
}

QStringList itemTexts(const QGroupBox& choice) {
  QStringList texts;
  for (const QRadioButton* item : itemsOf(choice)) {
    texts << drawnCaption(item->text());
  }
  return texts;
}

int checkedItem(const QGroupBox& choice) {
  const QList<QRadioButton*> items = itemsOf(choice);
  int checked = -1;
  for (int index = 0; index < items.size(); ++index) {
    if (items[index]->isChecked()) {
      if (checked != -1) {
        return -2;  // more than one: never right
      }
      checked = index;
    }
  }
  return checked;
}

int itemColumns(const QGroupBox& choice) {
  std::set<int> lefts;
  for (const QRadioButton* item : itemsOf(choice)) {
    lefts.insert(item->x());
  }
  return static_cast<int>(lefts.size());
}

QString pageCaptionOf(const QDialog& dialog, const QWidget& control) {
  auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  for (int index = 0; pages != nullptr && index < pages->count(); ++index) {
    if (pages->widget(index)->isAncestorOf(&control)) {
      return pages->tabText(index);
    }
  }
  return {};
}

QStringList scaleTexts(const QSlider& slider) {
  QStringList texts;
  for (const QLabel* label : labelsUnder(slider)) {
    texts << label->text();
  }
  return texts;
}

QList<bool> scaleRed(const QSlider& slider) {
  QList<bool> red;
  for (const QLabel* label : labelsUnder(slider)) {
    red << (label->palette().color(QPalette::WindowText) == QColor(Qt::red));
  }
  return red;
}

void clickItem(QGroupBox& choice, int index) {
  QRadioButton* item = itemsOf(choice).at(index);
  QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(6, item->height() / 2));
}

void clickButton(const QDialog& dialog, const QString& name) {
  QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
}

void showPageOf(QDialog& dialog, QWidget& control) {
  auto* pages = dialog.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
  for (int index = 0; index < pages->count(); ++index) {
    if (pages->widget(index)->isAncestorOf(&control)) {
      pages->setCurrentIndex(index);
    }
  }
}

}  // namespace vorlent::testing
