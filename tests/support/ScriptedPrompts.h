// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "feedback/Prompts.h"

namespace vorlent::testing {

// Answers every question from a script and keeps each question asked, in order.
class ScriptedPrompts final : public Prompts {
 public:
  enum class Kind { Text, Folder, FilesToOpen, FileToSave };

  struct Question {
    Kind kind = Kind::Text;
    std::string caption;      // of a text question
    std::string prompt;       // of a text or folder question
    std::string offered;      // the initial text of a text question
    std::string startFolder;  // of a chooser
  };

  std::optional<std::string> askText(std::string_view caption, std::string_view prompt,
                                     std::string_view initialText) override {
    record({Kind::Text, std::string(caption), std::string(prompt), std::string(initialText), {}},
           std::string(caption) + "|" + std::string(prompt) + "|" + std::string(initialText));
    if (!texts.empty()) {
      auto answer = texts.front();
      texts.pop_front();
      return answer;
    }
    if (echoOffered) return std::string(initialText);
    return text;
  }
  std::optional<std::string> chooseFolder(std::string_view prompt,
                                          std::string_view startFolder) override {
    record({Kind::Folder, {}, std::string(prompt), {}, std::string(startFolder)},
           std::string(prompt) + "|" + std::string(startFolder));
    if (pickFolder) return pickFolder();
    return folder;
  }
  std::optional<std::vector<std::string>> chooseFilesToOpen(std::string_view startFolder) override {
    record({Kind::FilesToOpen, {}, {}, {}, std::string(startFolder)}, std::string(startFolder));
    return filesToOpen;
  }
  std::optional<std::string> chooseFileToSave(std::string_view startFolder) override {
    record({Kind::FileToSave, {}, {}, {}, std::string(startFolder)}, std::string(startFolder));
    return fileToSave;
  }

  // Text answers taken in turn; once they are used up, the offered text when echoOffered is set,
  // else text.
  std::deque<std::optional<std::string>> texts;
  bool echoOffered = false;
  std::optional<std::string> text;
  // The folder chosen: pickFolder's choice where it is set, else folder.
  std::function<std::optional<std::string>()> pickFolder;
  std::optional<std::string> folder;
  std::optional<std::vector<std::string>> filesToOpen;
  std::optional<std::string> fileToSave;

  // Two views of one record; a test reads and clears one of them.
  std::vector<Question> questions;
  // The same questions, one line each: their arguments joined by "|".
  std::vector<std::string> asked;

 private:
  void record(Question question, std::string line) {
    questions.push_back(std::move(question));
    asked.push_back(std::move(line));
  }
};

}  // namespace vorlent::testing
