#include "ui/ReportingApplication.h"

#include <exception>

#include "ui/MessageBoxes.h"

namespace vorlent {

ReportingApplication::ReportingApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ReportingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& failure) {
    showErrorReport(activeWindow(), failure.what());
  }
  return false;
}

}  // namespace vorlent
