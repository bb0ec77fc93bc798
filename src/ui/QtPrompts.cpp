#include "ui/QtPrompts.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

#include "ui/ModalPresenter.h"
#include "ui/QtText.h"

#ifdef _WIN32
#include <cstdint>

#include "platform/FileChooser.h"
#include "platform/FolderChooser.h"
#endif

namespace vorlent {

#ifndef _WIN32
namespace {

// Qt's file dialogs answer with "/" on every system; the core splits paths at the system's own
// separators, so they are converted here, once, where the paths enter.
std::string dialogPath(const QString& path, std::string_view shownPath) {
  return toCoreKeeping(QDir::toNativeSeparators(path), shownPath);
}

}  // namespace
#endif

std::optional<std::string> QtPrompts::askText(std::string_view caption, std::string_view prompt,
                                              std::string_view initialText) {
  QInputDialog dialog(window_);
  dialog.setWindowTitle(toQt(caption));
  dialog.setLabelText(toQt(prompt));
  dialog.setTextValue(toQt(initialText));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("キャンセル"));
  if (dialogs_.run(dialog) != QDialog::Accepted) {
    return std::nullopt;
  }
  // An answer left as shown keeps the bytes it was shown from.
  return toCoreKeeping(dialog.textValue(), initialText);
}

std::optional<std::string> QtPrompts::chooseFolder(std::string_view prompt,
                                                   std::string_view startFolder) {
#ifdef _WIN32
  const auto owner = static_cast<std::uintptr_t>(window_->window()->winId());
  return makeFolderChooser()->choose(owner, prompt, startFolder);
#else
  const QString folder = QFileDialog::getExistingDirectory(window_, toQt(prompt), toQt(startFolder),
                                                           QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) {
    return std::nullopt;
  }
  return dialogPath(folder, startFolder);
#endif
}

// Windows asks with its own dialogs, in the system's language, as with the folder above; Qt's
// would keep their last folder in the registry, outside Vorlent.ini.
std::optional<std::vector<std::string>> QtPrompts::chooseFilesToOpen(std::string_view startFolder) {
#ifdef _WIN32
  const auto owner = static_cast<std::uintptr_t>(window_->window()->winId());
  return makeFileChooser()->chooseToOpen(owner, startFolder);
#else
  const QStringList files = QFileDialog::getOpenFileNames(window_, QString(), toQt(startFolder));
  if (files.isEmpty()) {
    return std::nullopt;
  }
  std::vector<std::string> paths;
  for (const QString& file : files) {
    paths.push_back(dialogPath(file, startFolder));
  }
  return paths;
#endif
}

std::optional<std::string> QtPrompts::chooseFileToSave(std::string_view startFolder) {
#ifdef _WIN32
  const auto owner = static_cast<std::uintptr_t>(window_->window()->winId());
  return makeFileChooser()->chooseToSave(owner, startFolder);
#else
  const QString file = QFileDialog::getSaveFileName(window_, QString(), toQt(startFolder));
  if (file.isEmpty()) {
    return std::nullopt;
  }
  return dialogPath(file, startFolder);
#endif
}

}  // namespace vorlent
