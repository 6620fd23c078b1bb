#pragma once

// The command line, without Qt: read by velquin and, on Windows, by its
// console companion velquin.com, which answer the same actions alike.
//
//   velquin                      start with nothing chosen
//   velquin PROGRAM.exe          start with that program chosen, as if picked with 参照
//                                (any other path: the window starts and says what
//                                the tool takes)
//   velquin --help               print the usage and end (also -h, and /? as
//                                Windows programs take it)
//   velquin --version            print the version and end
//   velquin --check PATH         check a settings file (or the one in a folder, or
//                                beside a program) before shipping, print the
//                                findings and end; with --strict, before or after
//                                PATH, warnings fail as well
//   velquin --plan PATH          print what the installation of that settings
//                                file will do, and end
//   velquin --add-unlisted PATH  add the folder's files that the file list lacks
//                                to the settings file, as the dialog's menu and
//                                Create do, print each, and end
//
// One action at a time: two of them (--version with --check, say) are
// refused. The window program also takes Qt's own options (-platform,
// -style, -reverse, -session and the others Qt gives every application,
// kQtOptions in command_line.cpp, each with its value where it takes one,
// also spelt with "--"), and leaves them to Qt; no action takes one, nor
// does the console companion velquin.com, which opens no window.
//
// An argument that begins with "-" and is no option of the tool or of Qt,
// an action without its one path or with more, and --strict without --check
// are refused before any window: the refusal names what is wrong, the usage
// follows, and the program ends with 2. A release script with a typo fails
// at once instead of waiting for a window nobody closes.
//
// One more action that takes a path is an enumerator of Action, a row of
// kActions and a case of runAction (command_line.cpp), and its lines in the
// usage (app_texts.cpp).

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velquin::app {

struct CommandLine {
  // Misused: refused, for the reason `refusal` gives.
  enum class Action { Run, PrintHelp, PrintVersion, Check, Plan, AddUnlisted, Misused };
  Action action = Action::Run;
  std::filesystem::path path;  // the path an action takes
  bool strict = false;         // --strict: warnings fail the check too
  std::string refusal;         // Misused: one line (UTF-8, without its "\n")
  // Run: the paths given, the program for the window to choose (without
  // Qt's options and their values).
  std::vector<std::filesystem::path> programs;
};

// Whether the program reading the command line takes Qt's options: the
// window program does, and so does velquin on Linux, which becomes it;
// velquin.com refuses them.
enum class QtOptions { Taken, Refused };

// Reads the arguments (without the program's own name, as arguments.h gives
// them) before any window exists, so that the actions need no display.
CommandLine readCommandLine(const std::vector<std::filesystem::path>& arguments,
                            QtOptions qtOptions);

// The texts that --help and --version print.
std::string usageText();
std::string versionText();

// Where an action writes its text (UTF-8, lines ending in "\n"): the
// standard output, or the error output. False when it could not be written
// whole.
using PrintText = std::function<bool(std::string_view utf8, bool toErrorOutput)>;

// Runs an action of the command line and gives the program's exit code;
// nothing for Run, which starts the window. --check ends with 0 without
// errors (and, with --strict, without warnings), 1 with them, 2 when no
// settings file can be read at its path (missing, unreadable, no settings
// file: one line on the error output); --plan and --add-unlisted end with
// 0, or 2 when the file cannot be read (or, for --add-unlisted, written); a
// misused command line prints its refusal and the usage's synopsis to the
// error output and ends with 2. Whatever the action, a text the standard
// output does not take whole (a full disk, a closed pipe) ends it with 2,
// and a line on the error output says so.
std::optional<int> runCommandLineAction(const CommandLine& commandLine, const PrintText& print);

}  // namespace velquin::app
