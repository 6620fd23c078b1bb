#pragma once

// What start-up takes from outside the windows: the command line and Qt's own
// texts in Japanese.
//
// The command line is kept short, as the tool stays a window program:
//   velquin                start with nothing chosen
//   velquin PROGRAM.exe    start with that program chosen, as if picked with 参照
//                          (anything else: the window starts and says what
//                          the tool takes)
//   velquin --help         print the usage and end
//   velquin --version      print the version and end
//   velquin --check PATH   check a settings file (or the one beside a program)
//                          before shipping, print the findings and end
//   velquin --plan PATH    print what the installation of that settings file
//                          will do, and end

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

class QApplication;

namespace velquin {
class InstallSettings;
class UserPrompts;
}  // namespace velquin

namespace velquin::app {

struct CommandLine {
  // Misused: --check or --plan without its one path.
  enum class Action { Run, PrintHelp, PrintVersion, Check, Plan, Misused };
  Action action = Action::Run;
  std::filesystem::path checkPath;  // for Check and Plan: the settings file or the program
};

// Reads the arguments (argv[0] is the program's own name) before any window
// exists, so that --help, --version and --check need no display.
CommandLine readCommandLine(int argc, char** argv);

// The texts that --help and --version print.
std::string usageText();
std::string versionText();

// Prints `utf8` to the standard output, or the error output. velquin.exe is a
// window program, which Windows starts without a console: there the text
// goes to the console of the command prompt that started it, in UTF-16 so
// that Japanese shows whatever its code page, or to the file or pipe that
// the output goes to.
void printText(const std::string& utf8, bool toErrorOutput = false);

// `velquin --check PATH`: prints the report of the check (runCheckCommand)
// and gives the exit code: 0 without errors, 1 with errors, 2 when the
// settings file cannot be read.
int runCheckFromCommandLine(const std::filesystem::path& path);

// `velquin --plan PATH`: prints the plan (runPlanCommand) and gives the exit
// code: 0, or 2 when the settings file cannot be read.
int runPlanFromCommandLine(const std::filesystem::path& path);

// Chooses the program named on the command line (the arguments that are not
// Qt's, without the program's own name): one existing .exe file becomes
// EditProgram, with the reset as after 参照; anything else is refused in an
// information box and nothing is chosen. A relative path is taken from the
// folder the tool was started in.
void chooseProgramFromCommandLine(const QStringList& arguments, InstallSettings& settings,
                                  UserPrompts& prompts);

// Loads Qt's own Japanese texts (the file dialog, the context menus of the
// fields), whatever the system's language, since the whole tool speaks
// Japanese. They are looked for beside the executable (translations/, as
// the Windows zip ships them) and then where Qt keeps them. False when no
// translation was found.
bool installJapaneseQtTexts(QApplication& app);

}  // namespace velquin::app
