#include "settings/check/entry_parts.h"

#include "settings/format/settings_file_reader.h"

namespace velquin {
namespace {

// Up to the first comma, and what follows it (nothing when there is no
// comma).
struct Split {
  std::string_view head;
  std::optional<std::string_view> rest;
};
Split splitAtComma(std::string_view v) {
  const std::size_t comma = v.find(',');
  if (comma == std::string_view::npos) return {v, std::nullopt};
  return {v.substr(0, comma), v.substr(comma + 1)};
}

}  // namespace

bool inQuotes(std::string_view v) {
  return v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
}

std::string_view engineValue(std::string_view raw) {
  std::string_view v = SettingsFileReader::trimBlanks(raw);
  if (inQuotes(v)) v = v.substr(1, v.size() - 2);
  return v;
}

bool isRelative(std::string_view name) {
  if (name.empty() || name.front() == '%' || name.front() == '\\' || name.front() == '/')
    return false;
  const auto c = static_cast<unsigned char>(name.front() | 0x20);
  return !(name.size() >= 2 && name[1] == ':' && c >= 'a' && c <= 'z');
}

FileEntry fileEntry(std::string_view raw) {
  const auto [name, overwrite] = splitAtComma(engineValue(raw));
  return {name, overwrite};
}

ShortcutEntry shortcutEntry(std::string_view raw) {
  std::string_view parts[5];
  std::optional<std::string_view> rest = engineValue(raw);
  for (std::string_view& part : parts) {
    if (!rest) break;
    const Split s = splitAtComma(*rest);
    part = s.head;
    rest = s.rest;
  }
  return {parts[0], parts[1], parts[2], parts[3], parts[4]};
}

RmDirEntry rmDirEntry(std::string_view raw) {
  const auto [folder, subfolders] = splitAtComma(engineValue(raw));
  return {folder, subfolders};
}

ProgramEntry programEntry(std::string_view raw) {
  const auto [file, parameters] = splitAtComma(engineValue(raw));
  return {file, parameters};
}

}  // namespace velquin
