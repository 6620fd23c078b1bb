#pragma once

// The arguments of every program of the tool, after the program's own name,
// as native paths.
//
// - Linux: argv as it is.
// - Windows: from the wide command line, since argv is in the system's code
//   page, which may not hold every character of a path. Windows reads a
//   backslash before a quote as a quote of the text: a quoted folder that
//   ends in a backslash, as a batch file's "%~dp0" gives it, comes as
//   `dist"` (and with what follows it in the same argument). No path holds
//   a quote, so such an argument is taken as the author meant it
//   (mendQuotedFolders).

#include <filesystem>
#include <string>
#include <vector>

namespace velquin::app {

std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv);

// The arguments (UTF-8) with each one that holds a quote taken apart: the
// text before the quote, ended with the backslash the quote stood for, then
// the rest of it split at its blanks, each mended alike.
std::vector<std::string> mendQuotedFolders(const std::vector<std::string>& arguments);

}  // namespace velquin::app
