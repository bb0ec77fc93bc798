#pragma once

#include <QString>

#include "feedback/Feedback.h"

class QWidget;

namespace vorlent {

class ModalPresenter;

// A modal box of the kind with its caption and icon and one "OK" button.
void showMessageBox(ModalPresenter& presenter, QWidget* parent, MessageKind kind,
                    const QString& text);

// The general error report: the stop icon, the application title, the text with the "." rule.
void showErrorReport(ModalPresenter& presenter, QWidget* parent, std::string_view failureText);

}  // namespace vorlent
