#pragma once

// What every program of the tool (velquin, velquin-window, and on Windows
// velquin.exe and velquin.com) prints: one writer, so that the same command
// writes the same bytes whichever program answers it.
//
// - On a console, the text shows as it is, Japanese included, whatever the
//   console's code page (Windows: written in UTF-16).
// - To a file or a pipe, the bytes are those of the platform's text files:
//   UTF-8 with LF on Linux, code page 932 with CR LF on Windows (what a
//   batch file's `findstr` and the engine's own files read). A character
//   code page 932 cannot hold (a path's) is written as "?".
// - A window program that Windows started without an output of its own
//   writes to the console of the program that started it, if any.

#include <string>
#include <string_view>

namespace velquin::app {

// Writes `utf8` (lines ending in "\n") to the standard output, or the error
// output, and flushes it; false when the output did not take it whole (a
// full disk, a closed pipe, no output at all).
bool printText(std::string_view utf8, bool toErrorOutput = false);

// The text with each "\n" made CR LF, as a file or a pipe on Windows takes
// it (before its conversion to code page 932).
std::string withCrLf(std::string_view text);

}  // namespace velquin::app
