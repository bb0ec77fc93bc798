// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QSlider>
#include <QString>
#include <QStringList>

class QDialog;

namespace vorlent::testing {

// Reads an option dialog's controls the way a user sees them.

QGroupBox* choiceNamed(const QDialog& dialog, const QString& name);
QSlider* sliderNamed(const QDialog& dialog, const QString& name);

// The items' texts as drawn.
QStringList itemTexts(const QGroupBox& choice);

// The index of the checked item, -1 for none.
int checkedItem(const QGroupBox& choice);

// How many columns the items stand in, counted on the laid-out window.
int itemColumns(const QGroupBox& choice);

// The caption of the page that holds the control.
QString pageCaptionOf(const QDialog& dialog, const QWidget& control);

// The labels under a slider's track, left to right, and which of them are red.
QStringList scaleTexts(const QSlider& slider);
QList<bool> scaleRed(const QSlider& slider);

// Clicks an item of a choice with the mouse.
void clickItem(QGroupBox& choice, int index);

void clickButton(const QDialog& dialog, const QString& name);

// Brings the page that holds the control to the front.
void showPageOf(QDialog& dialog, QWidget& control);

}  // namespace vorlent::testing
