#pragma once

// Shows nothing, answers No, chooses no file: for running the commands where
// no author is there to answer (the benchmarks, the pictures for the README).

#include "settings/commands/user_prompts.h"

namespace velquin::test {

class SilentPrompts : public UserPrompts {
 public:
  void showInformation(const std::string&) override {}
  Answer confirm(const std::string&) override { return Answer::No; }
  void showError(const std::string&) override {}
  std::optional<std::filesystem::path> chooseProgramFile() override { return std::nullopt; }
  void focusField(TextField) override {}
};

}  // namespace velquin::test
