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
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto b = static_cast<unsigned char>(out[i]);
    if (!sjis::isLeadByte(b)) {
      if (b >= 'A' && b <= 'Z') out[i] = static_cast<char>(b - 'A' + 'a');
      continue;
    }
    if (i + 1 >= out.size()) break;
    const unsigned code = (b << 8) | static_cast<unsigned char>(out[i + 1]);
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
    ++i;
  }
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
  if (!takeIniFileName(s, prompts)) return DetailsOutcome::Refused;

  if (fileExists(s.settingsFilePath())) {
    loadSettingsFile(s, s.settingsFilePath());
  } else if (s.lines(ListField::MemoFiles).empty()) {
    // The engine installs itself through the entry Create adds, so its own
    // file in the distribution folder is not one of the author's files. Only
    // the folder's own copy is meant: a file of that name in a sub-folder is
    // the author's.
    FolderScan scan = scanFolder(s.distDir());
    const std::string engine = s.engineBaseName() + ".exe";
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
