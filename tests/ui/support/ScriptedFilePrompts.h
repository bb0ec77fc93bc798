#pragma once

#include <optional>
#include <string>
#include <vector>

#include "feedback/Prompts.h"

namespace vorlent::testing {

// Answers the file and folder questions with set answers and keeps what was asked.
class ScriptedFilePrompts final : public Prompts {
 public:
  std::optional<std::string> askText(std::string_view, std::string_view,
                                     std::string_view initialText) override {
    asked.push_back("text: " + std::string(initialText));
    return text;
  }
  std::optional<std::string> chooseFolder(std::string_view prompt, std::string_view) override {
    asked.push_back("folder: " + std::string(prompt));
    return folder;
  }
  std::optional<std::vector<std::string>> chooseFilesToOpen(std::string_view) override {
    asked.push_back("open");
    return filesToOpen;
  }
  std::optional<std::string> chooseFileToSave(std::string_view) override {
    asked.push_back("save");
    return fileToSave;
  }

  std::optional<std::string> text;
  std::optional<std::string> folder;
  std::optional<std::vector<std::string>> filesToOpen;
  std::optional<std::string> fileToSave;
  std::vector<std::string> asked;
};

}  // namespace vorlent::testing
