// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestServices.h"

#include "RecordingModals.h"
#include "ui/look/QtText.h"

namespace vorlent::testing {

MainWindowServices servicesIn(const QString& programFolder) {
  MainWindowServices services = nativeMainWindowServices();
  services.programFolder = toCore(programFolder);
  if (!services.programFolder.empty() && services.programFolder.back() != '/') {
    services.programFolder += '/';
  }
  services.defaultSound = [] {};
  // Only a database the test writes beside the program, never the machine's own.
  services.softwareDatabases = {services.programFolder + "softwaredb.xml"};
  // Vorlent.ini stays in the test's folder, never in the user's own.
  services.userSettingsFolder = nullptr;
  // No modal loop waits for a click: boxes take their first button, dialogs close.
  recordModals(services);
  return services;
}

}  // namespace vorlent::testing
