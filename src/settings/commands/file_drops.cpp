#include "settings/commands/file_drops.h"

#include <system_error>
#include <unordered_set>

#include "settings/check/entry_parts.h"
#include "settings/check/ship_check.h"
#include "settings/platform/folder_scan.h"
#include "settings/platform/paths.h"
#include "settings/text/messages.h"
#include "settings/text/names.h"

namespace velquin {
namespace {

namespace fs = std::filesystem;

bool endsWithExe(const fs::path& p) {
  return equalsIgnoringCase(pathToUtf8(p.extension()), ".exe");
}

// Where `item` stands in the distribution folder `dist`: under the name the
// first of its folders (from itself on up) that lies in `dist` has there,
// followed by the rest of its path as given. So a link in the folder is one
// of its files or folders, wherever it leads, and so is all that is reached
// through it (ext\x.txt for ext -> ../other); nothing when no folder of the
// item lies in `dist`.
std::optional<fs::path> placeInFolder(const fs::path& dist, const fs::path& item) {
  std::vector<fs::path> below;  // the names under the folder tried, innermost last
  for (fs::path p = item;; p = p.parent_path()) {
    if (std::optional<fs::path> place = pathBelow(dist, resolvedEntryPath(p))) {
      for (auto name = below.rbegin(); name != below.rend(); ++name)
        place = *place == "." ? *name : *place / *name;
      return place;
    }
    if (p.parent_path() == p || p.filename().empty()) return std::nullopt;
    below.push_back(p.filename());
  }
}

}  // namespace

std::optional<std::string> programRefusal(const std::vector<fs::path>& paths) {
  if (paths.size() != 1) return std::string(messages::kOneProgramOnly);
  const fs::path& p = paths.front();
  const std::string shown = pathToUtf8(p);
  std::error_code ec;
  const fs::file_status status = fs::status(p, ec);
  if (!fs::exists(status)) return messages::programNotFound(shown);
  if (fs::is_directory(status)) return messages::programIsAFolder(shown);
  if (!fs::is_regular_file(status) || !endsWithExe(p)) return messages::programNotExe(shown);
  return std::nullopt;
}

DroppedFiles listDroppedFiles(const InstallSettings& s, const std::vector<fs::path>& dropped) {
  DroppedFiles out;
  if (s.program().empty()) {
    out.refusal =
        messages::dropBeforeProgram(dropped.empty() ? std::string() : pathToUtf8(dropped.front()));
    return out;
  }
  const fs::path dist = resolvedPath(s.distDir());

  // Every item is checked before any is listed: a drop is taken whole or not
  // at all. An item is where its folder really is (so that another spelling
  // of the distribution folder is still inside it), under the name it has
  // there: a link in the folder is one of its files, wherever it points.
  std::vector<fs::path> relatives;
  for (const fs::path& item : dropped) {
    std::optional<fs::path> rel = placeInFolder(dist, item);
    // The distribution folder itself, also by a link to it from elsewhere.
    if (!rel && pathBelow(dist, resolvedPath(item)) == fs::path(".")) rel = ".";
    if (!rel) {
      out.refusal = messages::dropOutside(pathToUtf8(item), pathToUtf8(s.distDir()));
      return out;
    }
    relatives.push_back(std::move(*rel));
  }

  for (std::size_t i = 0; i < dropped.size(); ++i) {
    // The relative folder or file in Shift-JIS with backslashes; nothing when
    // a part of it cannot be written.
    std::optional<std::string> sjis = std::string();
    std::string shown;
    for (const fs::path& part : relatives[i]) {
      if (part == ".") continue;
      const std::string utf8 = pathToUtf8(part);
      if (!shown.empty()) shown += '\\';
      shown += utf8;
      const auto name = lineName(utf8);
      if (!sjis || !name) {
        sjis.reset();
        continue;
      }
      if (!sjis->empty()) *sjis += '\\';
      *sjis += *name;
    }
    std::error_code ec;
    if (fs::is_directory(dropped[i], ec)) {
      if (sjis && !sjis->empty()) *sjis += '\\';
      FolderScan scan = scanFolder(dropped[i], sjis, shown.empty() ? shown : shown + '\\');
      for (auto& l : scan.lines) out.lines.push_back(std::move(l));
      for (auto& l : scan.unwritable) out.unwritable.push_back(std::move(l));
    } else if (sjis) {
      out.lines.push_back(*sjis);
    } else {
      out.unwritable.push_back(shown);
    }
  }

  out.lines = linesToAdd(s, std::move(out.lines));
  return out;
}

void resolveFolderLines(std::vector<std::string>& lines) {
  std::string buffer;
  for (std::string& line : lines)
    if (const std::string_view name = resolvedName(line, buffer); name.data() != line.data())
      line = name;
}

std::vector<std::string> linesToAdd(const InstallSettings& s, std::vector<std::string> lines) {
  resolveFolderLines(lines);
  // The engine installs itself and the settings file through the entries
  // Create adds: their copies at the top of the folder are not the author's.
  // A file the list already installs (a line without its overwrite mode,
  // as the engine reads it), named in any letter case, is not named again,
  // nor one given twice.
  const std::string& iniName = s.text(TextField::EditIniName);
  std::unordered_set<std::string> listed{foldCase(engineFileName(iniName)), foldCase(iniName)};
  std::string buffer;
  for (const std::string& line : s.lines(ListField::MemoFiles))
    listed.insert(foldCase(installedName(line, buffer)));
  std::erase_if(lines,
                [&](const std::string& line) { return !listed.insert(foldCase(line)).second; });
  return lines;
}

}  // namespace velquin
