#pragma once

// What the installation will do on the user's machine, read from the
// settings as the engine will read the file that Create writes: the
// installation folder, every installed file with its target, overwrite rule
// and size, what is shown before and after, the check boxes the user sees,
// every shortcut, and what uninstalling removes. Each item names the entry
// of the file it comes from, and carries the check's findings of that entry.
//
// The plan says only what the meanings of the entries, as the dialog's help
// texts give them, say. Where they say nothing (a folder written in another
// way than they describe, a digit they do not know, a shortcut without an
// icon), the item says that it is not described instead of guessing.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/check/ship_check.h"
#include "settings/platform/folder_scan.h"
#include "settings/record/install_settings.h"

namespace velquin {

struct PlanItem {
  PlanItem() = default;
  PlanItem(std::string label, std::string value = {})
      : label(std::move(label)), value(std::move(value)) {}

  std::string label;                   // UTF-8: what (a setting, a file, a shortcut)
  std::string value;                   // UTF-8: what it becomes or does
  std::optional<std::uintmax_t> size;  // bytes: a file's size, a group's total
  std::string source;                  // the entry of the file: "[Files] Item3"
  std::vector<Finding> findings;       // the check's findings of that entry
  std::vector<PlanItem> children;

  // What the findings of the check are matched by: a field, and for a list
  // the line's index among the list's lines (empty ones counted).
  std::optional<FieldRef> field;
  std::optional<std::size_t> line;
};

struct InstallPlan {
  std::vector<PlanItem> groups;
};

// The distribution folder as the plan reads it: its files as the folder
// scan writes them (relative, backslashes, Shift-JIS), and their sizes, asked
// only of the files that the plan needs.
struct PlanFolder {
  std::vector<std::string> files;
  std::vector<FolderAlias> aliases;  // for the check (folder_scan.h)
  std::function<std::optional<std::uintmax_t>(std::string_view file)> sizeOf;
};

// The folder scan of `distDir`, with sizes read from the disk.
PlanFolder readPlanFolder(const std::filesystem::path& distDir);

// The plan of the settings for a settings file named `iniFileName`, with the
// check's `findings` (Checker::findings()) beside the items they concern;
// findings of no item stand in a group of their own at the end.
InstallPlan makeInstallPlan(const InstallSettings& settings, std::string_view iniFileName,
                            const PlanFolder& folder, const std::vector<Finding>& findings);

// "40,960 バイト".
std::string sizeText(std::uintmax_t bytes);

// The label, value, size and source of an item on one line, as planText
// writes it (without indent).
std::string itemText(const PlanItem& item);

// The plan as indented text: a group a line, its items indented by two
// blanks a level, findings below their item. Lines end in "\n".
std::string planText(const InstallPlan& plan);

}  // namespace velquin
