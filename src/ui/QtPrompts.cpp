#include "ui/QtPrompts.h"

#include <QFileDialog>
#include <QInputDialog>

#include "ui/QtText.h"

namespace vorlent {

std::optional<std::string> QtPrompts::askText(std::string_view caption, std::string_view prompt,
                                              std::string_view initialText) {
  bool accepted = false;
  const QString text = QInputDialog::getText(window_, toQt(caption), toQt(prompt),
                                             QLineEdit::Normal, toQt(initialText), &accepted);
  if (!accepted) {
    return std::nullopt;
  }
  return toCore(text);
}

std::optional<std::string> QtPrompts::chooseFolder(std::string_view prompt,
                                                   std::string_view startFolder) {
  const QString folder = QFileDialog::getExistingDirectory(window_, toQt(prompt), toQt(startFolder),
                                                           QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) {
    return std::nullopt;
  }
  return toCore(folder);
}

}  // namespace vorlent
