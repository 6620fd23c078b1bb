#include "settings_writer.h"

#include <charconv>

namespace velquin {
namespace {

class FileText {
 public:
  explicit FileText(std::size_t reserve) { out_.reserve(reserve); }

  void section(std::string_view name) {
    out_ += '[';
    out_ += name;
    out_ += "]\r\n";
  }
  void entry(std::string_view key, std::string_view value) {
    out_ += key;
    out_ += " = ";
    out_ += value;
    out_ += "\r\n";
  }
  void entry(std::string_view key, int value) {
    char buf[16];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    entry(key, std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
  }
  // "Item1 = ..." and on; returns the number of entries written.
  int items(const std::vector<std::string>& lines) {
    int n = 0;
    for (const auto& l : lines)
      if (!l.empty()) item(++n, l);
    return n;
  }
  void item(int number, std::string_view value) {
    char buf[24] = "Item";
    auto r = std::to_chars(buf + 4, buf + sizeof buf, number);
    entry(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)), value);
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

std::size_t estimateSize(const InstallSettings& s) {
  std::size_t size = 1024;
  for (int i = 0; i < kTextFieldCount; ++i) size += s.text(static_cast<TextField>(i)).size();
  for (int i = 0; i < kListFieldCount; ++i)
    for (const auto& l : s.lines(static_cast<ListField>(i))) size += l.size() + 16;
  return size;
}

}  // namespace

std::string composeSettingsFile(const InstallSettings& s) {
  using T = TextField;
  using L = ListField;
  FileText f(estimateSize(s));
  const std::string engine = s.engineBaseName() + ".exe";

  f.section("Application");
  f.entry("Name", s.text(T::EditName));

  f.section("Install");
  f.entry("Title", s.text(T::EditInstallTitle));
  f.entry("TextFile", s.text(T::EditInstallTextFail));
  if (!s.text(T::EditInstallDir).empty()) {
    f.entry("InstallDir", s.text(T::EditInstallDir));
    f.entry("InstallDirReg", s.text(T::EditInstallDirReg));
    f.entry("IsFileDelAfterInst", s.index(IndexField::RadioGroupFileDel));
  }
  f.entry("Program", s.text(T::EditInstallProgram));
  f.entry("AllUsers", s.code(ChoiceField::RBAllUsers));
  f.entry("Message", s.text(T::EditInstallMessage));

  // The engine installs itself (overwriting only an older copy) and the
  // settings file beside the author's files.
  f.section("Files");
  const int files = f.items(s.lines(L::MemoFiles));
  f.item(files + 1, engine + ",2");
  f.item(files + 2, s.iniFileName());

  f.section("Group");
  f.entry("Value", s.code(ChoiceField::RadioButtonStart));
  if (s.code(ChoiceField::RadioButtonStart) != -1) {
    f.entry("Info", s.text(T::EditGroupInfo));
    f.entry("GroupName", s.text(T::EditGroupName));
    const int items = f.items(s.lines(L::MemoGroupItem));
    if (s.checkBox1())
      f.item(items + 1,
             s.text(T::EditName) + std::string(kUninstallShortcutSuffix) + "," + engine + ",/r");
  }

  f.section("Startup");
  f.entry("Value", s.code(ChoiceField::RadioButtonStartup));
  if (s.code(ChoiceField::RadioButtonStartup) != -1) {
    f.entry("Info", s.text(T::EditStartupInfo));
    f.items(s.lines(L::MemoStartupItem));
  }

  f.section("Desktop");
  f.entry("Value", s.code(ChoiceField::RadioButtonDesktop));
  if (s.code(ChoiceField::RadioButtonDesktop) != -1) {
    f.entry("Info", s.text(T::EditDesktopInfo));
    f.items(s.lines(L::MemoDesktopItem));
  }

  if (!s.text(T::EditUninstallKey).empty()) {
    f.section("Uninstall");
    f.entry("Key", s.text(T::EditUninstallKey));
    f.entry("Name", s.text(T::EditUninstallName));
    f.entry("Title", s.text(T::EditUninstallTitle));
    f.entry("AllDelete", s.index(IndexField::RadioGroupUninstallAll));
    f.entry("RebootDlg", s.index(IndexField::RadioGroupUninstallRebootDlg));
    f.entry("NotAdmin", s.index(IndexField::RadioGroupNotAdmin));
  }

  if (!s.lines(L::MemoRmDir).empty()) {
    f.section("RmDir");
    f.items(s.lines(L::MemoRmDir));
  }
  if (!s.lines(L::MemoUninstallRegKey).empty()) {
    f.section("RegKey");
    f.items(s.lines(L::MemoUninstallRegKey));
  }
  return f.take();
}

}  // namespace velquin
