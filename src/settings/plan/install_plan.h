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
#include <memory>
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

// The distribution folder as the plan reads it: the check's own view of its
// names (ship_check.h), which takes a name through the folder's links and
// compares names as Windows does, and the size of each of its files.
struct PlanFolder {
  // The context the findings were made with, or one of the same folder;
  // none: no folder is known.
  const ShipCheckContext* names = nullptr;
  // The files' sizes in bytes, in the order the context was given the files
  // (the folder scan's).
  std::vector<std::uint64_t> sizes;
  // Where the settings file is: in the folder (velquin --plan, whose size is
  // that file's), or still the record (the preview, whose size is that of the
  // file Create would write).
  bool settingsFileInFolder = false;
};

// The folder scan of `distDir` with each file's size, its names taken into a
// context of the check that `folder` is a view of.
struct ScannedPlanFolder {
  std::unique_ptr<ShipCheckContext> names;
  PlanFolder folder;
};
ScannedPlanFolder scanPlanFolder(const std::filesystem::path& distDir,
                                 std::string_view iniFileName);

// The plan of the settings for a settings file named `iniFileName`, with the
// check's `findings` (Checker::findings()) beside the items they concern;
// findings of no item stand in a group of their own at the end.
InstallPlan makeInstallPlan(const InstallSettings& settings, std::string_view iniFileName,
                            const PlanFolder& folder, const std::vector<Finding>& findings);

// The text planText(makeInstallPlan(...)) gives, made without an item for
// each line of the file list: each line is written as it is described, with
// the findings on that line (velquin --plan, where the list may name every
// file of a large folder).
std::string installPlanText(const InstallSettings& settings, std::string_view iniFileName,
                            const PlanFolder& folder, const std::vector<Finding>& findings);

// A size as the plan writes it: "40,960 バイト".
std::string sizeText(std::uintmax_t bytes);

// The label, value, size and source of an item on one line, as planText
// writes it (without indent).
std::string itemText(const PlanItem& item);

// The plan as indented text: a group a line, its items indented by two
// blanks a level, findings below their item. Lines end in "\n".
std::string planText(const InstallPlan& plan);

}  // namespace velquin
