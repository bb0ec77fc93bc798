// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlent {

// How commands ask the user for something. The UI asks with dialogs, tests answer from a script.
class Prompts {
 public:
  virtual ~Prompts() = default;

  // A line of text, starting from the initial text (valid UTF-8); the answer as the user left it,
  // nothing when the user cancels.
  virtual std::optional<std::string> askText(std::string_view caption, std::string_view prompt,
                                             std::string_view initialText) = 0;

  // A folder; nothing when the user cancels.
  virtual std::optional<std::string> chooseFolder(std::string_view prompt,
                                                  std::string_view startFolder) = 0;

  // Existing files, several at once, in the order the dialog gives them; nothing when the user
  // cancels.
  virtual std::optional<std::vector<std::string>> chooseFilesToOpen(
      std::string_view startFolder) = 0;

  // A file to write; the dialog asks before an existing file is replaced. Nothing when the user
  // cancels.
  virtual std::optional<std::string> chooseFileToSave(std::string_view startFolder) = 0;
};

}  // namespace vorlent
