#include "details_command.h"

#include <algorithm>

#include "create_command.h"
#include "file_replace.h"
#include "folder_scan.h"
#include "messages.h"
#include "settings_loader.h"
#include "sjis.h"

namespace velquin {
namespace {

// The text with every upper-case letter turned to lower case; the length in
// bytes stays the same.
std::string foldCase(std::string_view s) {
  std::string out(s);
  sjis::forEachChar(s, [&](std::size_t i, std::size_t length) {
    if (length == 1) {
      if (out[i] >= 'A' && out[i] <= 'Z') out[i] = static_cast<char>(out[i] - 'A' + 'a');
      return;
    }
    const unsigned code =
        (static_cast<unsigned char>(s[i]) << 8) | static_cast<unsigned char>(s[i + 1]);
    unsigned lower = code;
    if (code >= 0x8260 && code <= 0x8279) {
      lower = code + 0x21;  // Ａ-Ｚ to ａ-ｚ
    } else if (code >= 0x839F && code <= 0x83B6) {
      lower = code + 0x20;  // Greek
    } else if (code >= 0x8440 && code <= 0x8460) {
      // Cyrillic: the lower-case row skips the trail byte 0x7F.
      const unsigned k = code - 0x8440;
      lower = 0x8470 + k + (k >= 15 ? 1 : 0);
    }
    out[i] = static_cast<char>(lower >> 8);
    out[i + 1] = static_cast<char>(lower & 0xFF);
  });
  return out;
}

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && foldCase(a) == foldCase(b);
}

DetailsOutcome runDetailsCommand(InstallSettings& s, UserPrompts& prompts) {
  if (s.program().empty()) {
    prompts.showInformation(std::string(messages::kProgramMissing));
    return DetailsOutcome::Refused;
  }
  const std::optional<std::string> iniFileName = takeIniFileName(s, prompts);
  if (!iniFileName) return DetailsOutcome::Refused;

  if (const auto path = s.settingsFilePath(*iniFileName); fileExists(path)) {
    loadSettingsFile(s, path);
  } else if (s.lines(ListField::MemoFiles).empty()) {
    // The engine installs itself through the entry Create adds, so its own
    // file in the distribution folder is not one of the author's files. Only
    // the folder's own copy is meant: a file of that name in a sub-folder is
    // the author's.
    FolderScan scan = scanFolder(s.distDir());
    const std::string engine = engineFileName(*iniFileName);
    const auto it = std::find_if(scan.lines.begin(), scan.lines.end(), [&](const std::string& l) {
      return equalsIgnoringCase(l, engine);
    });
    if (it != scan.lines.end()) scan.lines.erase(it);
    s.appendLines(ListField::MemoFiles, std::move(scan.lines));
    if (!scan.unwritable.empty())
      prompts.showInformation(messages::namesNotShiftJis(scan.unwritable));
  }

  s.setSettingsSaved(false);
  return DetailsOutcome::ShowDialog;
}

}  // namespace velquin
