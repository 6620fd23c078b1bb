// The command velquin as a release script and a console meet it: the
// command line's actions answered by a program without Qt, and the window
// program started for everything else.
//
// A release script's `velquin --check` is answered here, by a program that
// starts in a millisecond: loading Qt alone would take longer than reading
// a folder of many thousand files. On Windows, this is velquin.com, a
// console program beside the window program velquin.exe: cmd and PowerShell
// neither wait for a window program nor get its exit code, and cmd finds
// velquin.com first when "velquin" is typed (.COM comes before .EXE).

#include "front_main.h"

#include <optional>

#include "arguments.h"
#include "command_line.h"
#include "console_output.h"

int main(int argc, char** argv) {
  namespace app = velquin::app;
  const app::CommandLine commandLine =
      app::readCommandLine(app::commandLineArguments(argc, argv), app::front::kQtOptions);
  app::front::prepareAction(commandLine, argv);
  if (const std::optional<int> exitCode = app::runCommandLineAction(commandLine, app::printText))
    return *exitCode;
  return app::front::startWindowProgram(argv);
}
