// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShellFileOperation.h"

namespace vorlent::testing {

// Answers the shell's clash questions from a script and keeps what it was told and asked; can
// stop the operation at a given progress call.
class ScriptedProgress final : public ShellFileProgress {
 public:
  ScriptedProgress() = default;
  // Gives the same answer to every clash the script does not answer.
  explicit ScriptedProgress(ReplaceChoice unscriptedAnswer) : unscripted(unscriptedAnswer) {}

  bool progress(std::uint64_t done, std::uint64_t total, std::string_view) override {
    lastDone = done;
    lastTotal = total;
    return ++calls != stopAtCall;
  }
  ReplaceChoice askReplace(std::string_view path, bool isFolder) override {
    asked.push_back(std::string(path) + (isFolder ? " (folder)" : ""));
    if (answers.empty()) return unscripted;
    const ReplaceChoice choice = answers.front();
    answers.pop_front();
    return choice;
  }
  void showError(std::string_view text) override { errors.emplace_back(text); }
  bool askToTrash(std::string_view question) override {
    questions.emplace_back(question);
    return trashAnswer;
  }
  void finished() override { ++finishedCount; }

  bool trashAnswer = true;
  std::vector<std::string> questions;

  std::deque<ReplaceChoice> answers;
  ReplaceChoice unscripted{ReplaceAnswer::Cancel, false};
  std::vector<std::string> asked;
  std::vector<std::string> errors;
  int calls = 0;
  int stopAtCall = -1;
  int finishedCount = 0;
  std::uint64_t lastDone = 0;
  std::uint64_t lastTotal = 0;
};

}  // namespace vorlent::testing
