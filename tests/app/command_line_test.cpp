// The command line read without a window: which action, its path, --strict,
// what is refused and why; and a quoted folder as Windows hands it over.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/arguments.h"

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
      {{"--check", "dist"}, "dist", Action::Check, false},
      {{"--check", "dist", "--strict"}, "dist", Action::Check, true},
      {{"--strict", "dist", "--check"}, "dist", Action::Check, true},
      {{"--plan", "app.exe"}, "app.exe", Action::Plan, false},
      {{"--add-unlisted", "dist"}, "dist", Action::AddUnlisted, false},
      {{"--check", "dist", "--help"}, {}, Action::PrintHelp, false},
      {{"/?"}, {}, Action::PrintHelp, false},
  };
  for (const Case& c : cases) {
    std::string given;
    for (const auto& a : c.arguments) given += a.string() + " ";
    const CommandLine line = readCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << given;
    EXPECT_EQ(line.path, c.path) << given;
    EXPECT_EQ(line.strict, c.strict) << given;
    EXPECT_EQ(line.refusal, "") << given;
  }
  const CommandLine window = readCommandLine({"app.exe", "other.exe"});
  EXPECT_EQ(window.action, Action::Run);
  EXPECT_EQ(window.programs, (std::vector<std::filesystem::path>{"app.exe", "other.exe"}));
}

// Each refusal names what is wrong; the window never starts for these.
TEST(CommandLineReading, RefusalNamesTheWrongArgument) {
  const std::pair<std::vector<std::filesystem::path>, std::string> cases[] = {
      {{"--chek", "dist"}, "「--chek」は velquin のオプションではありません。"},
      {{"--check", "dist", "--stirct"}, "「--stirct」は velquin のオプションではありません。"},
      {{"-x"}, "「-x」は velquin のオプションではありません。"},
      {{"--check"},
       "--check の後に、設定ファイル、配布フォルダまたは配布プログラムを 1 つ指定してください。"},
      {{"--check", "dist", "more"},
       "--check に指定できるパスは 1 つだけです（「more」は余分です）。"},
      {{"--check", "--plan", "dist"}, "--check と --plan は一緒に指定できません。"},
      {{"--strict", "app.exe"}, "--strict は --check と一緒に指定してください。"},
      {{"--plan", "dist", "--strict"}, "--strict は --check と一緒に指定してください。"},
  };
  for (const auto& [arguments, refusal] : cases) {
    const CommandLine line = readCommandLine(arguments);
    EXPECT_EQ(line.action, Action::Misused) << refusal;
    EXPECT_EQ(line.refusal, refusal);
  }
}

// "%~dp0" in a batch file ends in a backslash; inside quotes Windows reads
// \" as a quote of the text, which no path holds.
TEST(CommandLineArguments, QuotedFolderEndingInABackslashIsTheFolder) {
  using Texts = std::vector<std::string>;
  EXPECT_EQ(mendQuotedFolders({"--check", "C:\\dist\""}), (Texts{"--check", "C:\\dist\\"}));
  EXPECT_EQ(mendQuotedFolders({"--check", "C:\\My dist\" --strict"}),
            (Texts{"--check", "C:\\My dist\\", "--strict"}));
  EXPECT_EQ(mendQuotedFolders({"a\"  b\"", "", "c"}), (Texts{"a\\", "b\\", "", "c"}));
}

}  // namespace
}  // namespace velquin::app
