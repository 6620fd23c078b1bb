// The command line read without a window: which action, its path, --strict,
// Qt's options, what is refused and how; and a quoted folder as Windows
// hands it over.

#include "app/command_line.h"

#include <gtest/gtest.h>

#include <optional>
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
      {{"/?"}, {}, Action::PrintHelp, false},
      {{"--help", "-h"}, {}, Action::PrintHelp, false},
      {{"--version"}, {}, Action::PrintVersion, false},
  };
  for (const Case& c : cases) {
    std::string given;
    for (const auto& a : c.arguments) given += a.string() + " ";
    const CommandLine line = readCommandLine(c.arguments, QtOptions::Taken);
    EXPECT_EQ(line.action, c.action) << given;
    EXPECT_EQ(line.path, c.path) << given;
    EXPECT_EQ(line.strict, c.strict) << given;
    EXPECT_EQ(line.refusal, "") << given;
  }
}

// Qt's own options, with their values, are left to Qt: the window starts
// with the programs given beside them.
TEST(CommandLineReading, QtOptionsAndTheirValuesAreQts) {
  using Paths = std::vector<std::filesystem::path>;
  const std::pair<Paths, Paths> cases[] = {
      {{"app.exe", "other.exe"}, {"app.exe", "other.exe"}},
      {{"-platform", "offscreen", "app.exe"}, {"app.exe"}},
      {{"--platform", "offscreen"}, {}},
      {{"-session", "1a2b_3c", "-reverse", "app.exe"}, {"app.exe"}},
      {{"-style=fusion", "--stylesheet=a.qss", "app.exe", "-widgetcount"}, {"app.exe"}},
      {{"-style", "fusion", "-qwindowtitle", "T", "-qwindowgeometry", "100x100"}, {}},
      {{"-display", ":1", "-geometry", "+0+0", "-name", "n", "-title", "t", "-nograb", "-sync"},
       {}},
      {{"-platformpluginpath", "p", "-platformtheme", "t", "-plugin", "x", "-qwindowicon", "i"},
       {}},
      {{"-qmljsdebugger=port:1", "-visual", "TrueColor", "-ncols", "8", "-cmap", "-dograb"}, {}},
  };
  for (const auto& [arguments, programs] : cases) {
    const CommandLine line = readCommandLine(arguments, QtOptions::Taken);
    EXPECT_EQ(line.action, Action::Run) << line.refusal;
    EXPECT_EQ(line.programs, programs) << arguments.front();
  }
}

// What a misused command line prints: its refusal after "velquin: ", the
// synopsis and where to read more, all on the error output, and the exit
// code 2. The window never starts for these.
TEST(CommandLineAction, MisuseIsRefusedInOneLineNamingWhatIsWrong) {
  using Arguments = std::vector<std::filesystem::path>;
  struct Case {
    Arguments arguments;
    std::string firstLine;
    QtOptions qt = QtOptions::Taken;
  };
  const Case cases[] = {
      {{"--chek", "dist"}, "「--chek」は velquin のオプションではありません。"},
      {{"--check", "dist", "--stirct"}, "「--stirct」は velquin のオプションではありません。"},
      {{"-x"}, "「-x」は velquin のオプションではありません。"},
      {{"--check"},
       "--check の後に、設定ファイル、配布フォルダまたは配布プログラムを 1 つ指定してください。"},
      {{"--check", "dist", "more"},
       "--check に指定できるパスは 1 つだけです（「more」は余分です）。"},
      {{"--check", "--plan", "dist"}, "--check と --plan は一緒に指定できません。"},
      {{"--version", "--check", "dist"}, "--version と --check は一緒に指定できません。"},
      {{"--check", "dist", "--help"}, "--check と --help は一緒に指定できません。"},
      {{"--version", "app.exe"}, "--version にはパスを指定できません（「app.exe」は余分です）。"},
      {{"--strict", "app.exe"}, "--strict は --check と一緒に指定してください。"},
      {{"--plan", "dist", "--strict"}, "--strict は --check と一緒に指定してください。"},
      {{"--check", "dist", "-platform", "offscreen"},
       "「-platform」はウィンドウの Qt のオプションで、--check と一緒には指定できません。"},
      {{"-reverse", "--version"},
       "「-reverse」はウィンドウの Qt のオプションで、--version と一緒には指定できません。"},
      {{"app.exe", "-style"}, "-style の後に、その値を指定してください。"},
      {{"-session", "1a2b"},
       "「-session」はウィンドウの Qt のオプションです。velquin.exe に指定してください"
       "（velquin.com では使えません）。",
       QtOptions::Refused},
  };
  for (const Case& c : cases) {
    std::string out, err;
    const std::optional<int> exitCode =
        runCommandLineAction(readCommandLine(c.arguments, c.qt), [&](std::string_view t, bool e) {
          (e ? err : out) += t;
          return true;
        });
    EXPECT_EQ(exitCode, 2) << c.firstLine;
    EXPECT_EQ(out, "");
    EXPECT_EQ(err.substr(0, err.find('\n')), "velquin: " + c.firstLine);
    EXPECT_NE(err.find("\n使い方: velquin [配布プログラム.exe]\n"), std::string::npos) << err;
    EXPECT_TRUE(err.ends_with("\n詳しくは velquin --help を参照してください。\n")) << err;
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
