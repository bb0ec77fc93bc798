// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/TerminationRequests.h"

#include <QSocketNotifier>

#include "platform/TerminationSignals.h"
#include "ui/mainwindow/Unit1.h"

namespace vorlent {

void closeOnTerminationRequests(TForm1& window) {
  const int handle = catchTerminationSignals();
  if (handle < 0) {
    return;
  }
  auto* notifier = new QSocketNotifier(handle, QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, handle] {
    takeTerminationSignals(handle);
    window.closeOnRequestToEnd();
  });
}

}  // namespace vorlent
