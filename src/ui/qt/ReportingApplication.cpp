// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ReportingApplication.h"

#include <exception>

#include "ui/qt/MessageBoxes.h"

namespace vorlent {

ReportingApplication::ReportingApplication(int& argc, char** argv,
                                           std::unique_ptr<ModalPresenter> reports)
    : QApplication(argc, argv), reports_(std::move(reports)) {}

bool ReportingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    showErrorReport(*reports_, activeWindow(), failure.what());
  }
  return false;
}

}  // namespace vorlent
