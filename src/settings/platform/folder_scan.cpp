#include "settings/platform/folder_scan.h"

#include <optional>
#include <string_view>
#include <unordered_set>

#include "settings/platform/folder_scan_impl.h"
#include "settings/text/sjis.h"

namespace velquin {

std::optional<std::string> lineName(std::string_view utf8) {
  bool ascii = true, dotsAndBlanks = true;
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20) return std::nullopt;  // no Windows name holds a control character
    if (b >= 0x80) ascii = false;
    if (c != '.' && c != ' ') dotsAndBlanks = false;
  }
  if (dotsAndBlanks && !utf8.empty()) return std::nullopt;  // Windows resolves it to no name
  if (ascii) return std::string(utf8);
  return sjis::encode(utf8);
}

namespace folder_scan_impl {

std::string displayName(std::string_view s) {
  std::string out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x20) {
      out += '?';
      ++i;
      continue;
    }
    // A sequence that is no character shows as U+FFFD, a byte at a time.
    const std::size_t len = sjis::utf8CharAt(s, i) != 0xFFFD || s.substr(i, 3) == "\xEF\xBF\xBD"
                                ? sjis::utf8SequenceLength(b)
                                : 0;
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    out.append(s.substr(i, len));
    i += len;
  }
  return out;
}

bool addFile(FolderScan& scan, const std::optional<std::string>& sjisPrefix,
             const std::string& shownPrefix, std::string_view utf8Name) {
  std::optional<std::string> name = sjisPrefix ? lineName(utf8Name) : std::nullopt;
  if (!name) {
    scan.unwritable.push_back(shownPrefix + displayName(utf8Name));
    return false;
  }
  scan.lines.push_back(*sjisPrefix + *name);
  return true;
}

std::optional<std::string> childPrefix(const std::optional<std::string>& sjisPrefix,
                                       std::string_view utf8Name) {
  if (!sjisPrefix) return std::nullopt;
  auto name = lineName(utf8Name);
  if (!name) return std::nullopt;
  return *sjisPrefix + *name + "\\";
}

}  // namespace folder_scan_impl

std::vector<std::string> foldersOf(const std::vector<std::string>& lines) {
  std::vector<std::string> folders{std::string()};
  std::unordered_set<std::string_view> seen{std::string_view()};
  std::string_view last;  // the lines of one folder stand together
  for (const std::string& line : lines) {
    std::size_t end = 0;  // after the last backslash that is no character's second byte
    sjis::forEachChar(line, [&](std::size_t i, std::size_t length) {
      if (length == 1 && line[i] == '\\') end = i + 1;
    });
    const std::string_view folder = std::string_view(line).substr(0, end);
    if (folder == last) continue;
    last = folder;
    // Each folder above it too, from the top down.
    sjis::forEachChar(folder, [&](std::size_t i, std::size_t length) {
      if (length != 1 || folder[i] != '\\') return;
      const std::string_view above = folder.substr(0, i + 1);
      if (seen.insert(above).second) folders.emplace_back(above);
    });
  }
  return folders;
}

FolderScan scanFolder(const std::filesystem::path& folder,
                      const std::optional<std::string>& sjisPrefix,
                      const std::string& shownPrefix) {
  return folder_scan_impl::scanPlatform(folder, sjisPrefix, shownPrefix, false);
}

FolderScan scanFolderWithSizes(const std::filesystem::path& folder) {
  return folder_scan_impl::scanPlatform(folder, std::string(), {}, true);
}

}  // namespace velquin
