#include "settings/check/entry_parts.h"

#include <algorithm>
#include <vector>

#include "settings/format/settings_file_reader.h"
#include "settings/text/sjis.h"

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

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Calls `f(part)` for each part of a name between backslashes or slashes (a
// backslash that is the second byte of a character separates nothing).
template <class F>
void forEachPart(std::string_view name, F&& f) {
  std::size_t start = 0;
  sjis::forEachChar(name, [&](std::size_t i, std::size_t length) {
    if (length == 1 && isSeparator(name[i])) {
      f(name.substr(start, i - start));
      start = i + 1;
    }
  });
  f(name.substr(start));
}

// The part without the blanks and dots at its end (neither is ever the
// second byte of a character).
std::string_view withoutTrailing(std::string_view part) {
  const std::size_t end = part.find_last_not_of(" .");
  return end == std::string_view::npos ? std::string_view() : part.substr(0, end + 1);
}

// True when no part of the name can change as Windows resolves it, told from
// its ends and the byte before each backslash: no slash, and no part that is
// empty or ends in a blank or a dot. A backslash that is the second byte of a
// character (ソ is 83 5C) may make this false for a usual name, never true
// for an unusual one: a blank, a dot or a backslash is never a first byte.
bool plainlyUsual(std::string_view name) {
  if (name.empty()) return true;
  if (name.front() == '\\' || name.back() == ' ' || name.back() == '.' || name.back() == '\\' ||
      name.find('/') != std::string_view::npos)
    return false;
  // Only what stands before a backslash can make a part unusual; most names
  // hold one or two, found by the library's vector search.
  for (std::size_t at = name.find('\\'); at != std::string_view::npos;
       at = name.find('\\', at + 1)) {
    const char before = name[at - 1];
    if (before == '\\' || before == ' ' || before == '.') return false;
  }
  return true;
}

}  // namespace

std::string_view resolvedName(std::string_view name, std::string& buffer) {
  if (plainlyUsual(name)) return name;
  const bool relative = isRelative(name);
  bool usual = true;
  if (relative) {
    forEachPart(name, [&](std::string_view part) {
      usual = usual && !part.empty() && withoutTrailing(part).size() == part.size();
    });
  }
  if (usual && name.find('/') == std::string_view::npos) return name;
  if (!relative || usual) {
    buffer.assign(name);
    std::replace(buffer.begin(), buffer.end(), '/', '\\');
    return buffer;
  }
  std::vector<std::string_view> parts;
  forEachPart(name, [&](std::string_view part) {
    if (part == ".." && !parts.empty() && parts.back() != "..") {
      parts.pop_back();
    } else if (part == "..") {
      parts.push_back(part);
    } else if (const std::string_view kept = withoutTrailing(part); !kept.empty()) {
      parts.push_back(kept);
    }
  });
  buffer.clear();
  for (const std::string_view part : parts) buffer.append(buffer.empty() ? "" : "\\").append(part);
  return buffer;
}

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

Target targetOf(std::string_view name) {
  if (name.empty()) return {};
  if (name.front() == '%') {
    const std::size_t close = name.find('%', 1);
    if (close == std::string_view::npos || close == 1) return {TargetKind::Unknown, {}, name};
    return {TargetKind::SpecialFolder, name.substr(1, close - 1), name.substr(close + 1)};
  }
  return {isRelative(name) ? TargetKind::Relative : TargetKind::Absolute, {}, name};
}

FileEntry fileEntry(std::string_view raw) {
  const auto [name, overwrite] = splitAtComma(engineValue(raw));
  Overwrite mode = Overwrite::Default;
  if (overwrite && !overwrite->empty())
    mode = *overwrite == "0"   ? Overwrite::Never
           : *overwrite == "1" ? Overwrite::Always
           : *overwrite == "2" ? Overwrite::IfNewer
                               : Overwrite::Unknown;
  return {name, overwrite, mode};
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
  Subfolders mode = Subfolders::Default;
  if (subfolders && !subfolders->empty())
    mode = *subfolders == "0"   ? Subfolders::Kept
           : *subfolders == "1" ? Subfolders::Removed
                                : Subfolders::Unknown;
  return {folder, subfolders, mode};
}

ProgramEntry programEntry(std::string_view raw) {
  const auto [file, parameters] = splitAtComma(engineValue(raw));
  return {file, parameters};
}

}  // namespace velquin
