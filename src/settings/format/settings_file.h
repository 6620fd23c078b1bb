#pragma once

// A settings file as it stands on disk, read once: its bytes and encoding,
// every section and entry as the file holds them (repeats included, with
// their lines, settings_file_reader.h), and the decisions the loading, the
// check, the plan and the preview share about it:
//
// - How many numbered entries of a section the engine reads (itemsRead):
//   Item1 to ItemN by number, N the number of keys ([Files], [RmDir],
//   [RegKey]) or of keys from Item1 on (the shortcut sections).
// - Which entries of [Files] are the two that Create adds after the
//   author's lines (the engine's file, with any overwrite digit, and this
//   settings file), wherever the file lists them: the loading leaves them
//   out of the file list, and Create adds them once.
//
// Every command that looks at a settings file on disk (Details, `velquin
// --check`, `velquin --plan`) reads it here, and the preview reads the text
// Create would write the same way.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/format/file_encoding.h"
#include "settings/format/settings_file_reader.h"
#include "settings/record/fields.h"

namespace velquin {

class SettingsFile {
 public:
  // The file at `path`, named by its file name; a missing or unreadable file
  // reads as an empty one.
  static SettingsFile read(const std::filesystem::path& path, std::string_view iniFileName);
  // A file of these bytes (any encoding), named `iniFileName`.
  static SettingsFile fromBytes(std::string bytes,
                                std::string_view iniFileName = kUsualIniFileName);
  // Text already in code page 932, as Create composes it.
  static SettingsFile fromText(std::string sjisText,
                               std::string_view iniFileName = kUsualIniFileName);

  static constexpr std::string_view kUsualIniFileName = fieldInfo(TextField::EditIniName).startText;

  // The bytes as on disk, and what their encoding took on the way into
  // code page 932.
  std::string_view bytes() const { return original_.empty() ? reader_.text() : original_; }
  const FileConversion& conversion() const { return conversion_; }
  // The file's sections and entries, read from its code page 932 text.
  const SettingsFileReader& reader() const { return reader_; }
  const std::string& iniFile() const { return ini_; }
  const std::string& engineFile() const { return engine_; }

  // The numbered entries the engine reads of the section.
  std::size_t itemsRead(Section section) const;
  // True when a value of [Files] is one of the two entries Create adds:
  // it names the engine's file or this settings file, letter case aside.
  bool isAddedEntry(std::string_view value) const;
  // True when the entries of [Files] the engine reads list both.
  bool holdsAddedEntries() const { return engineEntry_ != 0 && iniEntry_ != 0; }
  // The number of the first entry of [Files] the engine reads that lists
  // the engine's file; 0 when none does.
  std::size_t engineEntry() const { return engineEntry_; }
  // The same for the entry that lists this settings file.
  std::size_t iniEntry() const { return iniEntry_; }
  // The number of the entry that the loading takes into line `line` (from
  // 0) of the section's list: the added entries of [Files] left out.
  std::size_t itemOfLoadedLine(Section section, std::size_t line) const;

 private:
  SettingsFile(std::string original, FileConversion conversion, SettingsFileReader reader,
               std::string_view iniFileName);

  std::string original_;  // the bytes, when the reader's text is not them
  FileConversion conversion_;
  SettingsFileReader reader_;
  std::string ini_;
  std::string engine_;
  std::size_t engineEntry_ = 0;
  // The numbers of the [Files] entries read that are added ones, in order.
  std::vector<std::size_t> addedItems_;
  std::size_t iniEntry_ = 0;
};

// The section of the field table that `name` names, letter case aside; none
// for a section the tool does not know.
const SectionInfo* knownSection(std::string_view name);
// The field of `section` whose key is `key`; none for an Item key or an
// unknown key.
const FieldInfo* knownKey(Section section, std::string_view key);
// True when the section holds numbered entries (a list).
bool isNumbered(Section section);
// The number of a numbered entry's key ("Item7": 7), or none for any other
// key, "Item0" and "Item07" included (the engine asks for Item7 alone).
std::optional<std::size_t> itemNumber(std::string_view key);
// "Item7".
std::string itemKey(std::size_t number);
// The codes a choice or a radio group takes, in order (none for other
// fields).
std::vector<int> codesOf(const FieldInfo& info);

}  // namespace velquin
