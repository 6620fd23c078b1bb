#pragma once

// Loading an existing settings file into the record, so that a file written
// earlier can be edited and written again.
//
// Every value goes through the record's setters, as if the user had typed it:
// the change behaviour (the dialog's enabling rules) runs only on real
// changes. What the file says nothing about keeps its value; see the .cpp for
// the rules of each section.

#include "settings/format/settings_file.h"
#include "settings/record/install_settings.h"

namespace velquin {

// Loads the settings file into the record. Shows nothing and never fails:
// missing sections and unreadable numbers give the defaults. Changes neither
// DistDir, IniFileName, EditIniName, the program nor SettingsSaved. [Files]
// loses the entries that name the engine's file or the settings file, which
// Create adds (SettingsFile::isAddedEntry). What Create will not write back
// as the file holds it is notKept (settings_round_trip.h).
void loadSettings(InstallSettings& settings, const SettingsFile& file);

}  // namespace velquin
