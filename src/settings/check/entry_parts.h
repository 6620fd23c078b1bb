#pragma once

// An entry of the settings file taken into its parts as the engine reads
// them. The check (ship_check.h) validates these parts and the installation
// plan (install_plan.h) describes them; neither reads a value otherwise.
//
// Every part is a view of the value given. A comma is never the second byte
// of a double-byte character, so values are cut at commas byte by byte.

#include <optional>
#include <string>
#include <string_view>

namespace velquin {

// The value as the engine's profile reader gives it: blanks at its ends and
// one pair of quotes around it dropped.
std::string_view engineValue(std::string_view raw);
// Whether a value (its blanks dropped) stands in a pair of quotes.
bool inQuotes(std::string_view value);

// A name that the engine takes from the distribution folder or the install
// folder: not a placeholder (%WINDIR%\..., any %VARIABLE%), not absolute
// (\dir, \\server, C:\dir).
bool isRelative(std::string_view name);

// The name as Windows resolves it when it opens the file, which is how the
// check and the plan find it: a slash is a backslash. In a relative name
// also: the parts "." and empty parts (".\a.exe", "help\\a.hlp") go, ".."
// takes the part before it away (it stays where there is none), and blanks
// and dots at the end of a part go ("a.txt " and "a.txt." are "a.txt").
// The name given when it is in that form already, else `buffer`. Only a
// slash makes a name of the same length: a longer one is in an unusual form.
std::string_view resolvedName(std::string_view name, std::string& buffer);

// Where a name of [Files], [RmDir], a shortcut or Program points: below the
// installation folder (relative), below the folder a placeholder names
// ("%WINDIR%\x", `folder` the placeholder's name and `rest` what follows
// it), or where an absolute name says; a "%" without its closing one is
// none of these.
enum class TargetKind { None, Relative, SpecialFolder, Absolute, Unknown };
struct Target {
  TargetKind kind = TargetKind::None;  // None: an empty name
  std::string_view folder, rest;
};
Target targetOf(std::string_view name);

// What an overwrite digit of [Files] means: none or an empty one overwrites
// (the engine's default, 1), 0 never, 1 always, 2 when the source is newer;
// any other is not described.
enum class Overwrite { Default, Never, Always, IfNewer, Unknown };

// [Files]: the file's name, and after the first comma the overwrite digit
// (all that follows the comma, as the engine reads it; none without one),
// and what that digit means.
struct FileEntry {
  std::string_view name;
  std::optional<std::string_view> overwrite;
  Overwrite mode = Overwrite::Default;
};
FileEntry fileEntry(std::string_view raw);

// A shortcut of [Group], [Startup] or [Desktop]: five parts between commas,
// each empty when missing; further parts are not read.
struct ShortcutEntry {
  std::string_view name, file, parameters, iconFile, iconNumber;
};
ShortcutEntry shortcutEntry(std::string_view raw);

// What a sub-folder digit of [RmDir] means: none or an empty one keeps them
// (the engine's default, 0), 0 keeps them, 1 removes them too; any other is
// not described.
enum class Subfolders { Default, Kept, Removed, Unknown };

// [RmDir]: the folder, and after the first comma the sub-folder digit and
// what it means.
struct RmDirEntry {
  std::string_view folder;
  std::optional<std::string_view> subfolders;
  Subfolders mode = Subfolders::Default;
};
RmDirEntry rmDirEntry(std::string_view raw);

// [Install] Program: the file to open at the end, and after the first comma
// its parameters.
struct ProgramEntry {
  std::string_view file;
  std::optional<std::string_view> parameters;
};
ProgramEntry programEntry(std::string_view raw);

}  // namespace velquin
