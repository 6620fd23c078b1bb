#include "settings/format/settings_writer.h"

#include <charconv>

#include "settings/record/settings_rules.h"

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
    char buf[24];
    kItemKey.copy(buf, kItemKey.size());
    auto r = std::to_chars(buf + kItemKey.size(), buf + sizeof buf, number);
    entry(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)), value);
  }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

std::size_t estimateSize(const InstallSettings& s) {
  std::size_t size = 1024;
  for (const FieldInfo& f : kFields) {
    if (f.field.kind == FieldKind::Text) size += s.text(f.field.text()).size();
    if (f.field.kind == FieldKind::Lines)
      for (const auto& l : s.lines(f.field.list())) size += l.size() + 16;
  }
  return size;
}

}  // namespace

std::string composeSettingsFile(const InstallSettings& s, std::string_view iniFileName) {
  FileText f(estimateSize(s));
  const std::string engine = engineFileName(iniFileName);

  // Section by section in the file's order, and in each section the entries
  // of its fields in the order of the table.
  for (const SectionInfo* section : writtenSections(s)) {
    f.section(section->name);
    int items = 0;  // numbered entries so far
    for (const FieldInfo* info : writtenFields(s, section->section)) {
      const FieldRef field = info->field;
      switch (field.kind) {
        case FieldKind::Text:
          if (!info->key.empty()) f.entry(info->key, s.text(field.text()));
          break;
        case FieldKind::Index: f.entry(info->key, s.index(field.index())); break;
        case FieldKind::Choice: f.entry(info->key, s.code(field.choice())); break;
        case FieldKind::Lines: items = f.items(s.lines(field.list())); break;
        case FieldKind::Check:
          // CheckBox1: the start-menu group gets a shortcut that runs the
          // engine's uninstaller, named after the application.
          if (s.checked(field.check()))
            f.item(++items, s.text(TextField::EditName) + std::string(kUninstallShortcutSuffix) +
                                "," + engine + ",/r");
          break;
      }
    }
    // The engine installs itself (overwriting only an older copy) and the
    // settings file beside the author's files.
    if (section->section == Section::Files) {
      f.item(++items, engine + ",2");
      f.item(++items, iniFileName);
    }
  }
  return f.take();
}

}  // namespace velquin
