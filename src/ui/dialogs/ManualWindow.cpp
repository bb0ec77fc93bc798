// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ManualWindow.h"

#include <QDialog>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vorlent {

namespace {

const QString kWindowName = QStringLiteral("ManualWindow");
const QString kManualResource = QStringLiteral(":/manual/manual.md");

QString manualText() {
  QFile file(kManualResource);
  if (!file.open(QIODevice::ReadOnly)) {
    return QStringLiteral("説明書を読めません: ") + file.errorString();
  }
  return QString::fromUtf8(file.readAll());
}

QDialog* makeManualWindow(QWidget& owner) {
  // A window of its own beside the main window, not a modal box: the user reads while working.
  auto* window = new QDialog(&owner, Qt::Window);
  window->setObjectName(kWindowName);
  window->setWindowTitle(QStringLiteral("ヘルプ - MSX Vorlent! 説明書"));
  auto* text = new QTextBrowser(window);
  text->setObjectName(QStringLiteral("manualText"));
  text->setOpenLinks(false);
  text->setMarkdown(manualText());
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text);
  window->resize(760, 640);
  return window;
}

}  // namespace

void showManualWindow(QWidget& owner) {
  auto* window = owner.findChild<QDialog*>(kWindowName, Qt::FindDirectChildrenOnly);
  if (window == nullptr) {
    window = makeManualWindow(owner);
  }
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace vorlent
