// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/ApplicationSetup.h"

#include <QApplication>
#include <QSettings>

#include "feedback/Feedback.h"
#include "ui/look/QtText.h"
#include "ui/look/QtTranslation.h"
#include "ui/look/WindowFont.h"
#include "ui/look/WindowStyle.h"

namespace vorlent {

namespace {

// Qt's file dialog keeps its last folder, its history and its layout in Qt's own user settings.
// The program keeps nothing outside Vorlent.ini, so those settings go where nothing can be
// written: a path below a device that is no folder.
void keepQtSettingsUnwritten() {
#ifdef _WIN32
  const QString nowhere = QStringLiteral("NUL");
#else
  const QString nowhere = QStringLiteral("/dev/null");
#endif
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

}  // namespace

void setUpApplication() {
  keepQtSettingsUnwritten();
  translateQtTexts();
  QApplication::setApplicationName(toQt(kApplicationTitle));
  QApplication::setFont(windowFont());
  QApplication::setStyle(new WindowStyle(QApplication::style()));
}

}  // namespace vorlent
