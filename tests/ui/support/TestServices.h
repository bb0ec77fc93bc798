// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "ui/qt/MainWindowServices.h"

namespace vorlent::testing {

// The native services with the program's folder moved to a test's own folder, so that the
// window reads and writes Vorlent.ini there, a silent default sound, and a recorder in place of
// the modal loop (see recordModals).
MainWindowServices servicesIn(const QString& programFolder);

}  // namespace vorlent::testing
