#pragma once

// Loading an existing settings file into the record, so that a file written
// earlier can be edited and written again.
//
// Every value goes through the record's setters, as if the user had typed it:
// the change behaviour (the dialog's enabling rules) runs only on real
// changes. What the file says nothing about keeps its value; see the .cpp for
// the rules of each section.

#include <filesystem>
#include <string_view>

#include "settings/format/file_encoding.h"
#include "settings/format/settings_file_reader.h"
#include "settings/record/install_settings.h"

namespace velquin {

// Loads the file at `path` (the caller has made sure that it is a file). Shows
// nothing and never fails: missing sections and unreadable numbers give the
// defaults. Changes neither DistDir, IniFileName, EditIniName, the program
// nor SettingsSaved. A file saved in UTF-8 or UTF-16 is read as such and its
// text taken into code page 932 (file_encoding.h); what that conversion
// found, for the author to be told, is returned.
FileConversion loadSettingsFile(InstallSettings& settings, const std::filesystem::path& path);

// The same, from the file's bytes already read.
FileConversion loadSettingsBytes(InstallSettings& settings, std::string_view fileBytes);

// The same, from a reader already made of code page 932 text.
void loadSettings(InstallSettings& settings, const SettingsFileReader& reader);

// How many numbered entries are read from the section `name` of the file:
// Item1 to Item`n`, each by its number, one that is missing read as empty. In
// [Files], [RmDir] and [RegKey] `n` is the number of keys; in the shortcut
// sections ([Group], [Startup], [Desktop]) the number of keys from Item1 on
// (none without Item1). That count includes the entries that Create adds
// ([Files]' last two, the uninstall shortcut).
std::size_t itemsRead(const SettingsFileReader& reader, std::string_view name, Section section);

}  // namespace velquin
