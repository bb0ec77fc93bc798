#include "ui/ApplicationSetup.h"

#include <QApplication>

#include "feedback/Feedback.h"
#include "ui/QtText.h"
#include "ui/WindowFont.h"
#include "ui/WindowStyle.h"

namespace vorlent {

void setUpApplication() {
  QApplication::setApplicationName(toQt(kApplicationTitle));
  QApplication::setFont(windowFont());
  QApplication::setStyle(new WindowStyle(QApplication::style()));
}

}  // namespace vorlent
