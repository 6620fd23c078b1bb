// The command line read without a window: which action, its path, --strict,
// and what is refused.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velquin::app {
namespace {

using Action = CommandLine::Action;

TEST(CommandLineReading, ActionsTheirPathAndStrictInAnyOrder) {
  struct Case {
    std::vector<std::filesystem::path> arguments;
    std::filesystem::path path;
    Action action;
    bool strict;
  };
  const Case cases[] = {
      {{}, {}, Action::Run, false},
      {{"app.exe"}, {}, Action::Run, false},
      {{"--check", "dist"}, "dist", Action::Check, false},
      {{"--check", "dist", "--strict"}, "dist", Action::Check, true},
      {{"--strict", "dist", "--check"}, "dist", Action::Check, true},
      {{"--check", "dist", "--help"}, {}, Action::PrintHelp, false},
      {{"--check"}, {}, Action::Misused, false},
      {{"--check", "dist", "more"}, {}, Action::Misused, false},
      {{"--check", "--check", "dist"}, {}, Action::Misused, false},
      {{"--check", "dist", "--strikt"}, {}, Action::Misused, false},
      {{"--strict", "app.exe"}, {}, Action::Misused, false},
  };
  for (const Case& c : cases) {
    std::string given;
    for (const auto& a : c.arguments) given += a.string() + " ";
    const CommandLine line = readCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << given;
    EXPECT_EQ(line.path, c.path) << given;
    EXPECT_EQ(line.strict, c.strict) << given;
  }
}

}  // namespace
}  // namespace velquin::app
