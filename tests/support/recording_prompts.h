#pragma once

// What the commands asked and told, in order, with the answers given in
// advance: every box is logged with its text ("info: ", "confirm: ",
// "error: "), the file dialog as "open" and a focus move as "focus: NAME".
// A question or a file dialog with no answer left fails the test.

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "settings/commands/user_prompts.h"

namespace velquin::test {

class RecordingPrompts : public UserPrompts {
 public:
  std::deque<Answer> answers;                              // for confirm
  std::deque<std::optional<std::filesystem::path>> files;  // for the file dialog; nullopt cancels
  std::vector<std::string> log;
  std::vector<std::string> shown;  // the information boxes' texts alone
  std::vector<TextField> focused;

  void showInformation(const std::string& text) override {
    log.push_back("info: " + text);
    shown.push_back(text);
  }
  Answer confirm(const std::string& text) override {
    log.push_back("confirm: " + text);
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text;
      return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showError(const std::string& text) override { log.push_back("error: " + text); }
  std::optional<std::filesystem::path> chooseProgramFile() override {
    log.push_back("open");
    if (files.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return std::nullopt;
    }
    auto f = files.front();
    files.pop_front();
    return f;
  }
  void focusField(TextField field) override {
    log.push_back("focus: " + std::string(fieldName(field)));
    focused.push_back(field);
  }
  void clear() {
    log.clear();
    shown.clear();
    focused.clear();
  }
};

}  // namespace velquin::test
