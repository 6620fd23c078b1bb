#include "command_line.h"

#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "app_texts.h"
#include "settings/commands/add_unlisted_command.h"
#include "settings/commands/check_command.h"
#include "settings/commands/command_input.h"
#include "settings/commands/plan_command.h"
#include "settings/platform/paths.h"

namespace velquin::app {
namespace {

using Action = CommandLine::Action;

// The tool's actions, by their option.
struct ActionOption {
  std::string_view option;
  Action action;
  bool takesPath;
};
constexpr ActionOption kActions[] = {
    {"--help", Action::PrintHelp, false},
    {"-h", Action::PrintHelp, false},
    {"/?", Action::PrintHelp, false},
    {"--version", Action::PrintVersion, false},
    {"--check", Action::Check, true},
    {"--plan", Action::Plan, true},
    {"--add-unlisted", Action::AddUnlisted, true},
};

constexpr std::string_view kStrict = "--strict";

// The options Qt takes of every application (QCoreApplication,
// QGuiApplication, QApplication, and those of its X11 platform), by the
// name Qt reads them by: "--style" is "-style" to Qt. `inline`: also
// spelt "-style=fusion", as one argument.
struct QtOption {
  std::string_view name;
  bool takesValue;
  bool inlineValue = false;
};
constexpr QtOption kQtOptions[] = {
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qmljsdebugger", true, true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-reverse", false},
    {"-session", true},
    {"-style", true, true},
    {"-stylesheet", true, true},
    {"-widgetcount", false},
    {"-display", true},
    {"-geometry", true},
    {"-name", true},
    {"-title", true},
    {"-visual", true},
    {"-ncols", true},
    {"-cmap", false},
    {"-nograb", false},
    {"-dograb", false},
    {"-sync", false},
};

// The Qt option `argument` is, and whether its value is the next argument.
struct QtOptionGiven {
  const QtOption* option = nullptr;
  bool valueFollows = false;
};
QtOptionGiven qtOptionOf(std::string_view argument) {
  if (argument.starts_with("--")) argument.remove_prefix(1);
  for (const QtOption& qt : kQtOptions) {
    if (argument == qt.name) return {&qt, qt.takesValue};
    if (qt.inlineValue && argument.starts_with(qt.name) && argument.size() > qt.name.size() &&
        argument[qt.name.size()] == '=')
      return {&qt, false};
  }
  return {};
}

CommandLine only(Action action) {
  CommandLine line;
  line.action = action;
  return line;
}

CommandLine refused(std::string why) {
  CommandLine misused = only(Action::Misused);
  misused.refusal = std::move(why);
  return misused;
}

// What the arguments ask, before the action takes its path.
struct Asked {
  const ActionOption* action = nullptr;
  bool strict = false;
  std::string qtOption;  // the first Qt option given
  std::vector<std::filesystem::path> paths;
  std::string refusal;
};

Asked asked(const std::vector<std::filesystem::path>& arguments, QtOptions qtOptions) {
  std::vector<std::string> texts;
  std::transform(arguments.begin(), arguments.end(), std::back_inserter(texts), pathToUtf8);
  Asked a;
  for (std::size_t i = 0; i < texts.size() && a.refusal.empty(); ++i) {
    const std::string& text = texts[i];
    const auto given = std::find_if(std::begin(kActions), std::end(kActions),
                                    [&](const ActionOption& o) { return o.option == text; });
    const QtOptionGiven qt = qtOptionOf(text);
    if (given != std::end(kActions)) {
      if (a.action && a.action->action != given->action)
        a.refusal = texts::twoActions(a.action->option, given->option);
      a.action = given;
    } else if (text == kStrict) {
      a.strict = true;
    } else if (qt.option && qtOptions == QtOptions::Refused) {
      a.refusal = texts::qtOptionOfTheWindow(text);
    } else if (qt.option) {
      if (a.qtOption.empty()) a.qtOption = text;
      if (qt.valueFollows && ++i == texts.size()) a.refusal = texts::qtOptionWithoutValue(text);
    } else if (text.starts_with("-")) {
      a.refusal = texts::unknownOption(text);
    } else {
      a.paths.push_back(arguments[i]);
    }
  }
  return a;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::filesystem::path>& arguments,
                            QtOptions qtOptions) {
  Asked a = asked(arguments, qtOptions);
  if (!a.refusal.empty()) return refused(std::move(a.refusal));
  const bool check = a.action && a.action->action == Action::Check;
  if (a.strict && !check) return refused(texts::strictAlone());
  if (!a.action) {
    CommandLine line;
    line.programs = std::move(a.paths);
    return line;
  }
  const std::string_view option = a.action->option;
  if (!a.qtOption.empty()) return refused(texts::qtOptionWithAction(a.qtOption, option));
  if (!a.action->takesPath) {
    if (!a.paths.empty()) return refused(texts::noPathTaken(option, pathToUtf8(a.paths[0])));
    return only(a.action->action);
  }
  if (a.paths.empty()) return refused(texts::pathMissing(option));
  if (a.paths.size() > 1) return refused(texts::pathTwice(option, pathToUtf8(a.paths[1])));
  CommandLine line = only(a.action->action);
  line.strict = a.strict;
  line.path = a.paths.front();
  return line;
}

std::string usageText() { return texts::usage(); }

std::string versionText() { return texts::version(VELQUIN_VERSION); }

namespace {

// What an action prints, and its exit code.
struct Printed {
  int exitCode = 0;
  std::string output;
  std::string errors;
};

// What the action reads of its path, or none when it cannot be read (and
// `errors` says why). It is left for the end of the process to take back
// whole, instead of being freed block by block: a check of a long list
// holds hundreds of thousands of blocks. (Never freed, and reachable until
// the process ends: no leak.)
CommandInput* inputOf(const CommandLine& commandLine, CommandInput::Sizes sizes,
                      std::string& errors) {
  static auto* const kept = new std::vector<std::unique_ptr<CommandInput>>;
  std::string error;
  std::unique_ptr<CommandInput> input = CommandInput::read(commandLine.path, sizes, error);
  if (!input) {
    errors = texts::commandLineError(error);
    return nullptr;
  }
  return kept->emplace_back(std::move(input)).get();
}

Printed runAction(const CommandLine& commandLine) {
  Printed printed;
  switch (commandLine.action) {
    case Action::Run: break;
    case Action::PrintHelp: printed.output = usageText(); break;
    case Action::PrintVersion: printed.output = versionText(); break;
    case Action::Check:
      if (CommandInput* input =
              inputOf(commandLine, CommandInput::Sizes::Without, printed.errors)) {
        CheckCommandResult result = runCheckCommand(*input, {.strict = commandLine.strict});
        return {result.exitCode, std::move(result.text), {}};
      }
      break;
    case Action::Plan:
      if (CommandInput* input = inputOf(commandLine, CommandInput::Sizes::With, printed.errors))
        return {0, runPlanCommand(*input).text, {}};
      break;
    case Action::AddUnlisted:
      if (CommandInput* input =
              inputOf(commandLine, CommandInput::Sizes::Without, printed.errors)) {
        AddUnlistedResult result = runAddUnlistedCommand(*input);
        return {result.exitCode, std::move(result.output), std::move(result.errors)};
      }
      break;
    case Action::Misused:
      printed.errors = texts::commandLineError(commandLine.refusal) +
                       std::string(texts::kSynopsis) + std::string(texts::kSeeHelp);
      break;
  }
  if (!printed.errors.empty()) printed.exitCode = 2;
  return printed;
}

}  // namespace

std::optional<int> runCommandLineAction(const CommandLine& commandLine, const PrintText& print) {
  if (commandLine.action == Action::Run) return std::nullopt;
  const Printed printed = runAction(commandLine);
  if (!printed.output.empty() && !print(printed.output, false)) {
    print(texts::commandLineError(texts::kOutputNotWritten), true);
    return 2;
  }
  if (!printed.errors.empty()) print(printed.errors, true);
  return printed.exitCode;
}

}  // namespace velquin::app
