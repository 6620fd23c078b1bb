#pragma once

// A settings file as it stands on disk, read once: its bytes and encoding,
// every section and entry as the file holds them (repeats included, with
// their lines, settings_file_reader.h), and the decisions the loading, the
// check, the plan and the preview share about it:
//
// - How many numbered entries of a section the engine reads (itemsRead):
//   Item1 to ItemN by number, N the number of keys ([Files], [RmDir],
//   [RegKey]) or of keys from Item1 on (the shortcut sections).
// - Whether [Files] ends in the two entries Create adds after the author's
//   lines (the engine's file and this settings file): only then are they
//   left out of the file list; otherwise every entry is the author's.
// - What the loading cannot take into the record (notLoaded): numbered
//   entries the engine does not read (after a gap in the numbering, before
//   Item1), entries that stand twice, sections and keys the tool does not
//   know, numbers no option of their field stands for. The record, and so
//   Create, lacks them; Details tells the author.
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
  // True when [Files] ends in the two entries that Create adds.
  bool filesEndInAddedEntries() const { return endsInAdded_; }
  // The entries of [Files] that are the author's: Item1 to this.
  std::size_t authorFiles() const;
  // The line of the engine's entry that Create adds to [Files]; 0 when the
  // file does not end in it.
  std::size_t engineEntryLine() const;

  // An entry the loading cannot take into the record.
  struct NotLoaded {
    std::size_t line = 0;
    std::string section;  // as spelled, Shift-JIS
    std::string entry;    // "Key = value" as it stands; empty for a header alone
  };
  // In file order.
  std::vector<NotLoaded> notLoaded() const;

 private:
  SettingsFile(std::string original, FileConversion conversion, SettingsFileReader reader,
               std::string_view iniFileName);
  void unreadItems(std::vector<NotLoaded>& out) const;
  void unknownAndUnreadable(std::vector<NotLoaded>& out) const;

  std::string original_;  // the bytes, when the reader's text is not them
  FileConversion conversion_;
  SettingsFileReader reader_;
  std::string ini_;
  std::string engine_;
  bool endsInAdded_ = false;
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
