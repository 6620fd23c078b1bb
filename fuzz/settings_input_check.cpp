#include "settings_input_check.h"

#include <vector>

#include "settings/format/settings_file_reader.h"
#include "settings/format/settings_loader.h"
#include "settings/format/settings_writer.h"
#include "settings/record/install_settings.h"

namespace velquin::fuzz {
namespace {

// Every section the loading knows, and the nameless one.
std::vector<std::string_view> sectionNames() {
  std::vector<std::string_view> names;
  for (const SectionInfo& s : kSections) names.push_back(s.name);
  names.push_back("");
  return names;
}

std::string loadAndCompose(const SettingsFile& file) {
  InstallSettings s;
  loadSettings(s, file);
  return composeSettingsFile(s, "Rivo.ini");
}

}  // namespace

bool checkSettingsInput(std::string_view bytes, std::string& problem) {
  const SettingsFile file = SettingsFile::fromText(std::string(bytes));
  const SettingsFileReader& reader = file.reader();

  // Every key of every section the loading knows is readable, and no value
  // holds a byte that would break its line when written again.
  for (std::string_view section : sectionNames()) {
    const auto keys = reader.readKeys(section);
    if (reader.hasSection(section) != !keys.empty()) {
      problem = "hasSection disagrees with readKeys";
      return false;
    }
    for (const auto& key : keys) {
      if (key.empty()) {
        problem = "empty key listed";
        return false;
      }
      const std::string value = reader.readText(section, key);
      if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        problem = "value holds a line break or NUL";
        return false;
      }
      if (!value.empty() && (value.front() == ' ' || value.back() == ' ')) {
        problem = "value keeps a blank at its end";
        return false;
      }
      (void)reader.readNumber(section, key, 7);
    }
  }
  std::int32_t n = 0;
  (void)SettingsFileReader::parseNumber(bytes.substr(0, 64), n);

  // The loading leaves the working values alone.
  {
    InstallSettings s;
    s.setSettingsSaved(true);
    loadSettings(s, file);
    if (!s.settingsSaved() || s.text(TextField::EditIniName) != "Rivo.ini") {
      problem = "the loading changed a working value";
      return false;
    }
  }

  // Create after Details after Create writes the same file: once a file has
  // been through the tool, loading and writing it again changes nothing. (The
  // first pass may change a hand-made file: blanks, empty items and entries
  // the tool does not know are dropped.)
  const std::string once = loadAndCompose(file);
  const std::string twice = loadAndCompose(SettingsFile::fromText(once));
  const std::string thrice = loadAndCompose(SettingsFile::fromText(twice));
  if (twice != thrice) {
    problem = "writing a loaded file again changed it";
    return false;
  }
  return true;
}

}  // namespace velquin::fuzz
