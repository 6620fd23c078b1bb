#pragma once

// What the engine reads of a settings file, from the bytes it reads: the
// file's own bytes, taken as code page 932 whatever editor saved them (a
// UTF-8 file's Japanese is read as the mojibake the engine shows; a
// byte-order mark hides the first section's header, so that section's
// entries stand before any section and are not read).
//
// For each field's key, the value the engine reads and the line it stands
// on: the first of a repeated section or key, a value up to a NUL byte, and
// the start-up value of the field table where the key is absent (the engine's
// default). For each list, the numbered entries the engine reads (Item1 to
// ItemN by number, as SettingsFile::itemsRead counts them), each with its
// line; a number the file lacks is read as an empty entry, which does
// nothing.
//
// The installation plan (install_plan.h) describes this reading, for
// `velquin --plan` of the file on disk and for the preview of the bytes
// Create would write now.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/format/settings_file.h"
#include "settings/record/fields.h"

namespace velquin {

class EngineReading {
 public:
  // The file is kept by reference: it outlives the reading.
  explicit EngineReading(const SettingsFile& file);
  EngineReading(const EngineReading&) = delete;
  EngineReading& operator=(const EngineReading&) = delete;

  struct Value {
    std::string_view text;  // Shift-JIS bytes, blanks at the ends dropped
    std::size_t line = 0;   // 0: the file does not hold it
  };
  // The value of a single-line field's, a choice's or a radio group's key.
  Value value(FieldRef field) const;
  // The number of a choice's or radio group's key: the start-up code where
  // the key is absent; none for a value that is no number.
  std::optional<std::int32_t> number(FieldRef field) const;
  // Whether an optional part is in use, as the field that decides it reads.
  bool inUse(OptionalPart part) const;
  // The line of the section's header the engine reads; 0 when it reads none.
  std::size_t sectionLine(Section section) const;

  struct Item {
    std::size_t number = 0;  // N of ItemN
    std::string_view text;
    std::size_t line = 0;  // 0: a number the file lacks, read as empty
  };
  // The numbered entries the engine reads of the section, in number order.
  const std::vector<Item>& items(Section section) const;

  // True when the name is the engine's own file or this settings file
  // (letter case aside), the two files Create lists after the author's.
  bool isEngineFile(std::string_view name) const;
  bool isSettingsFile(std::string_view name) const;

  const SettingsFile& file() const { return file_; }
  const std::string& engineFile() const { return file_.engineFile(); }
  const std::string& iniFile() const { return file_.iniFile(); }

 private:
  const SettingsFile& file_;
  std::optional<SettingsFileReader> own_;  // when the file's bytes are not its text
  const SettingsFileReader* reader_ = nullptr;
  std::vector<std::vector<Item>> items_;  // by section
};

// The numbered entries the engine reads of a section: Item1 to ItemN, N the
// number of keys ([Files], [RmDir], [RegKey]) or of keys from Item1 on (the
// shortcut sections).
std::size_t itemsRead(const SettingsFileReader& reader, Section section);

}  // namespace velquin
