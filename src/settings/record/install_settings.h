#pragma once

// The record of every setting the author edits, with the working values that
// the commands share (DistDir, SettingsSaved). The settings file's name is
// taken from EditIniName by the command that needs it and passed on.
//
// The windows bind their controls to this record. Every setter stores the
// value and tells the listeners only when the value really changes; that is
// what runs the change behaviour (the reset on a new program, "unsaved" on a
// new settings file name, the dialog's enabling rules), whoever made the change.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/record/fields.h"

namespace velquin {

// What changed in a list, as Qt's models tell rows removed and inserted:
// from line `first` on, the lines `removed` went (as they were) and `added`
// lines now stand in their place (the list's lines from `first` on). The
// lines before `first` and after the stretch are the same as before, only
// moved; the record never reports a line of the stretch that stayed as it was
// at either end.
struct LinesChange {
  ListField list;
  std::size_t first = 0;
  std::vector<std::string> removed;
  std::size_t added = 0;
};

class SettingsListener {
 public:
  virtual ~SettingsListener() = default;
  virtual void programChanged() {}
  // A field now holds another value: a text, a radio group's index, a
  // choice's selected option or a check box's state; and a list, unless the
  // listener takes linesChanged.
  virtual void fieldChanged(FieldRef) {}
  // A list changed; a listener that needs no more than the list's name leaves
  // this to fieldChanged.
  virtual void linesChanged(const LinesChange& change) { fieldChanged(change.list); }
  virtual void settingsSavedChanged() {}
};

class InstallSettings {
 public:
  InstallSettings();
  InstallSettings(const InstallSettings&) = delete;
  InstallSettings& operator=(const InstallSettings&) = delete;

  void addListener(SettingsListener* listener);
  void removeListener(SettingsListener* listener);

  // EditProgram: the full native path of the program to distribute. A path
  // that differs (byte for byte) from the one held runs the reset.
  const std::filesystem::path& program() const { return program_; }
  void setProgram(const std::filesystem::path& path);

  // A single-line text never holds a line break, and no line of a list does:
  // the setters drop the breaks of a text and split a line at its breaks, so
  // that no value can start a line or a section of its own in the file.
  const std::string& text(TextField f) const { return texts_[idx(f)]; }
  // A new EditIniName marks the settings unsaved (EditIniNameChange), and
  // so do a new EditName or EditInstallTitle once Create has written the
  // chosen program's settings (before that, they are no reason to ask).
  void setText(TextField f, std::string value);

  const std::vector<std::string>& lines(ListField f) const { return lists_[idx(f)]; }
  void setLines(ListField f, std::vector<std::string> value);
  void appendLines(ListField f, std::vector<std::string> more);
  // Replaces `count` lines from line `first` on with `with` (an edit of a few
  // lines in a long list costs what it changes). `first + count` must not
  // pass the end.
  void replaceLines(ListField f, std::size_t first, std::size_t count,
                    std::vector<std::string> with);
  // Removes every line that has no characters at all; true when any went.
  bool removeEmptyLines(ListField f);

  int index(IndexField f) const { return indexes_[idx(f)]; }
  // Below -1 stores -1 (no item selected); past the last item stores the last.
  void setIndex(IndexField f, int value);

  Option selected(ChoiceField f) const { return choices_[idx(f)]; }
  int code(ChoiceField f) const { return codeOf(selected(f)); }
  bool isSelected(Option o) const { return selected(choiceOf(o)) == o; }
  // Selects `o`; the others of its set are unselected.
  void select(Option o);

  bool checked(CheckField f) const { return checks_[idx(f)]; }
  void setChecked(CheckField f, bool checked);

  // Working values.
  const std::filesystem::path& distDir() const { return distDir_; }
  bool settingsSaved() const { return settingsSaved_; }
  void setSettingsSaved(bool saved);

  // The settings file as the tool last read it (Details) or wrote it
  // (Create) for the chosen program: its path and bytes, or that Details
  // found none there; nothing since the program was chosen. Details reads a
  // file again only when it differs. `keptOver`: a version on disk that the
  // author chose to keep the settings over (Details asks once for each such
  // version; Create asks before it replaces it). Kept over a file of another
  // path, the record names that file as one not read (`existed` false).
  struct FileSeen {
    std::filesystem::path path;
    std::string bytes;
    bool existed = true;
    std::optional<std::string> keptOver;
  };
  const std::optional<FileSeen>& fileSeen() const { return fileSeen_; }
  void fileRead(std::filesystem::path path, std::string bytes);
  void fileAbsent(std::filesystem::path path);
  void fileKeptOver(std::filesystem::path path, std::string bytes);
  // Create wrote the settings: from now on, until another program is chosen,
  // a new application name or install window title is unsaved too.
  void fileWritten(std::filesystem::path path, std::string bytes);

  // DistDir followed by the settings file's name, and DistDir followed by the
  // engine's file name, as native paths.
  std::filesystem::path settingsFilePath(std::string_view iniFileName) const;
  std::filesystem::path enginePath(std::string_view iniFileName) const;

 private:
  template <class E>
  static constexpr std::size_t idx(E e) {
    return static_cast<std::size_t>(e);
  }
  void resetAfterNewProgram();  // EditProgramChange
  // Every field to its start-up value, in the table's order.
  void startFields();
  // Puts `with` in place of `count` lines from `first` on and tells what
  // changed, without the lines at either end that stay as they were.
  void replaceStretch(ListField f, std::size_t first, std::size_t count,
                      std::vector<std::string> with);
  template <class Call>
  void notify(Call&& call);
  void changed(FieldRef f);

  std::filesystem::path program_;
  std::array<std::string, kTextFieldCount> texts_;
  std::array<std::vector<std::string>, kListFieldCount> lists_;
  std::array<int, kIndexFieldCount> indexes_{};
  std::array<Option, kChoiceFieldCount> choices_{};
  std::array<bool, kCheckFieldCount> checks_{};

  std::filesystem::path distDir_;
  bool settingsSaved_ = true;
  std::optional<FileSeen> fileSeen_;
  bool written_ = false;  // Create has written the chosen program's settings

  std::vector<SettingsListener*> listeners_;
};

// IniFileName without its last four bytes, whatever they are: the engine's
// file is this name followed by ".exe".
std::string engineBaseName(std::string_view iniFileName);
// The engine's file name: EngineBaseName followed by ".exe".
std::string engineFileName(std::string_view iniFileName);

}  // namespace velquin
