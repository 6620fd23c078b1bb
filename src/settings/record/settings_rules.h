#pragma once

// Which parts of the settings are in use now. One answer serves the writer
// (what the file holds), Create (which lists lose their empty lines) and the
// dialog (which controls the author can edit).

#include <vector>

#include "settings/record/install_settings.h"

namespace velquin {

// The install directory, the start-menu group, startup, desktop and the
// uninstall registration are in use when the field that decides them says so
// (kParts); OptionalPart::None always is.
bool inUse(const InstallSettings& settings, OptionalPart part);

// Whether the settings file holds the section as the settings stand.
bool isWritten(const InstallSettings& settings, Section section);

// Whether the settings file holds the field's entries: its section is
// written and its part is in use.
bool isWritten(const InstallSettings& settings, FieldRef field);

// The sections the settings file holds, and the fields whose entries a
// section holds, in the file's order: what the writer writes and the check
// checks.
std::vector<const SectionInfo*> writtenSections(const InstallSettings& settings);
std::vector<const FieldInfo*> writtenFields(const InstallSettings& settings, Section section);

// Whether the field's value means anything now, so that the author can edit
// it: its part is in use, or the field is the one that decides the part.
bool isEditable(const InstallSettings& settings, FieldRef field);

}  // namespace velquin
