#pragma once

// What the windows take from outside the tool: the program to distribute
// named by a drop on the main window or on the command line, and files and
// folders dropped on the file list.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/record/install_settings.h"

namespace velquin {

// Why `paths` cannot be the program to distribute (UTF-8, for the
// information box), or nothing when they can: exactly one path, naming an
// existing file (not a folder) whose name ends in ".exe", in any letter case.
std::optional<std::string> programRefusal(const std::vector<std::filesystem::path>& paths);

struct DroppedFiles {
  // Lines for MemoFiles (Shift-JIS), as the folder scan writes them:
  // relative to the distribution folder, with backslashes, each item under
  // the name it has there (a link by its own name, not its target's); a
  // folder gives every file under it, in the scan's order. The engine's own
  // file and the settings file, at the top of the distribution folder, are
  // left out, and so is a file that a line of MemoFiles already installs
  // (its overwrite mode aside; names compared as Windows compares them) or
  // that the drop gives once before.
  std::vector<std::string> lines;
  // Files whose names code page 932 cannot hold (UTF-8, relative), left out.
  std::vector<std::string> unwritable;
  // When set (UTF-8), the drop is refused whole and nothing is to be added:
  // no program is chosen yet, or an item lies outside the distribution folder.
  std::string refusal;
};

DroppedFiles listDroppedFiles(const InstallSettings& settings,
                              const std::vector<std::filesystem::path>& dropped);

// Of `lines` (as the folder scan writes them), those a drop adds to
// MemoFiles, each as Windows resolves it (resolveFolderLines): not the
// engine's own file or the settings file at the top of the distribution
// folder, not a file a line of MemoFiles already installs, nor one given once
// before.
std::vector<std::string> linesToAdd(const InstallSettings& settings,
                                    std::vector<std::string> lines);

// The folder scan's lines in the form a line of MemoFiles names them, as
// Windows resolves them (resolvedName: "memo.txt." is "memo.txt", the name
// the engine finds the file by on Windows). A line in the usual form, nearly
// every one, is told in one pass and stays as it is.
void resolveFolderLines(std::vector<std::string>& lines);

}  // namespace velquin
