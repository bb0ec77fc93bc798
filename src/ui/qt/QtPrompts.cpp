// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/QtPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

#include "ui/look/QtText.h"
#include "ui/qt/MessageBoxes.h"
#include "ui/qt/ModalPresenter.h"

#ifdef _WIN32
#include <cstdint>

#include "platform/FileChooser.h"
#include "platform/FolderChooser.h"
#endif

namespace vorlent {

namespace {

#ifdef _WIN32
// The system's dialogs are modal over the window that asks.
std::uintptr_t ownerOf(QWidget* asking) {
  return static_cast<std::uintptr_t>(asking->window()->winId());
}
#else
// Qt's file dialogs answer with "/" on every system; the core splits paths at the system's own
// separators, so they are converted here, once, where the paths enter. An empty answer is a
// cancelled dialog.
std::optional<std::string> dialogPath(const QString& path, std::string_view shownPath) {
  if (path.isEmpty()) {
    return std::nullopt;
  }
  return toCoreKeeping(QDir::toNativeSeparators(path), shownPath);
}
#endif

}  // namespace

std::optional<std::string> QtPrompts::askText(std::string_view caption, std::string_view prompt,
                                              std::string_view initialText) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(toQt(caption));
  dialog.setLabelText(toQt(prompt));
  dialog.setTextValue(toQt(initialText));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("キャンセル"));
  keepBoxRules(dialog);
  if (dialogs_.run(dialog) != QDialog::Accepted) {
    return std::nullopt;
  }
  return toCore(dialog.textValue());
}

std::optional<std::string> QtPrompts::chooseFolder(std::string_view prompt,
                                                   std::string_view startFolder) {
#ifdef _WIN32
  return makeFolderChooser()->choose(ownerOf(window_), prompt, startFolder);
#else
  return dialogPath(QFileDialog::getExistingDirectory(window_, toQt(prompt), toQt(startFolder),
                                                      QFileDialog::ShowDirsOnly),
                    startFolder);
#endif
}

// Windows asks with its own dialogs, in the system's language, as with the folder above; Qt's
// would keep their last folder in the registry, outside Vorlent.ini.
std::optional<std::vector<std::string>> QtPrompts::chooseFilesToOpen(std::string_view startFolder) {
#ifdef _WIN32
  return makeFileChooser()->chooseToOpen(ownerOf(window_), startFolder);
#else
  const QStringList files = QFileDialog::getOpenFileNames(window_, QString(), toQt(startFolder));
  if (files.isEmpty()) {
    return std::nullopt;
  }
  std::vector<std::string> paths;
  for (const QString& file : files) {
    paths.push_back(*dialogPath(file, startFolder));
  }
  return paths;
#endif
}

std::optional<std::string> QtPrompts::chooseFileToSave(std::string_view startFolder) {
#ifdef _WIN32
  return makeFileChooser()->chooseToSave(ownerOf(window_), startFolder);
#else
  return dialogPath(QFileDialog::getSaveFileName(window_, QString(), toQt(startFolder)),
                    startFolder);
#endif
}

}  // namespace vorlent
