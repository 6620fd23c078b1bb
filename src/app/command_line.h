#pragma once

// The command line, without Qt: read by velquin and, on Windows, by its
// console companion velquin.com, which answer the same actions alike.
//
//   velquin                      start with nothing chosen
//   velquin PROGRAM.exe          start with that program chosen, as if picked with 参照
//                                (anything else: the window starts and says what
//                                the tool takes)
//   velquin --help               print the usage and end
//   velquin --version            print the version and end
//   velquin --check PATH         check a settings file (or the one in a folder, or
//                                beside a program) before shipping, print the
//                                findings and end; with --strict, before or after
//                                PATH, warnings fail as well
//   velquin --plan PATH          print what the installation of that settings
//                                file will do, and end
//
// One more action that takes a path is an enumerator of Action, a row of
// kPathActions (command_line.cpp), a case of runCommandLineAction and its
// lines in the usage.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velquin::app {

struct CommandLine {
  // Misused: an action without its one path, or with anything more.
  enum class Action { Run, PrintHelp, PrintVersion, Check, Plan, Misused };
  Action action = Action::Run;
  std::filesystem::path path;  // the path an action takes
  bool strict = false;         // --strict: warnings fail the check too
};

// The arguments after the program's own name, as native paths. On Windows
// they come from the wide command line, since argv is in the system's code
// page, which may not hold every character of a path.
std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv);

// Reads the arguments (without the program's own name) before any window
// exists, so that the actions need no display.
CommandLine readCommandLine(const std::vector<std::filesystem::path>& arguments);

// The texts that --help and --version print.
std::string usageText();
std::string versionText();

// Where an action writes its text (UTF-8, lines ending in "\n"): the
// standard output, or the error output.
using PrintText = std::function<void(const std::string& utf8, bool toErrorOutput)>;

// Runs an action of the command line and gives the program's exit code;
// nothing for Run, which starts the window. --check ends with 0 without
// errors (and, with --strict, without warnings), 1 with them, 2 when the
// settings file cannot be read; a misused command line prints the usage
// to the error output and ends with 2.
std::optional<int> runCommandLineAction(const CommandLine& commandLine, const PrintText& print);

}  // namespace velquin::app
