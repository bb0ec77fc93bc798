// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

#include "ui/qt/ModalPresenter.h"

namespace vorlent {

// The program's application object: a failure that escapes the handling of any event, a
// handler's own catch included, is shown as the general error report and the program goes on.
// Nothing ends the program but the user.
class ReportingApplication final : public QApplication {
 public:
  ReportingApplication(int& argc, char** argv,
                       std::unique_ptr<ModalPresenter> reports = makeQtModalPresenter());

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  std::unique_ptr<ModalPresenter> reports_;
};

}  // namespace vorlent
