#pragma once

// The command `velquin` without Qt (front_main.cpp), by platform: on Linux
// velquin, which becomes the window program velquin-window
// (front_main_posix.cpp); on Windows velquin.com, the console companion of
// the window program velquin.exe (front_main_win.cpp).

#include "command_line.h"

namespace velquin::app::front {

// Whether the command takes Qt's options, for the window program it starts.
extern const QtOptions kQtOptions;

// What is done before an action runs, with the program's own argv.
void prepareAction(const CommandLine& commandLine, char** argv);

// Starts the window program with the same arguments and gives the exit
// code: where it cannot be started, 2, having said so on the error output.
int startWindowProgram(char** argv);

}  // namespace velquin::app::front
