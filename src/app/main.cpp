// velquin's window program (on Linux velquin-window, which the command
// velquin becomes; on Windows velquin.exe).

#include "start_up.h"

int main(int argc, char** argv) { return velquin::app::runWindowProgram(argc, argv); }
