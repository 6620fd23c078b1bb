#pragma once

// What the installation will do on the user's machine, told from what the
// engine reads of a settings file (engine_reading.h): of the file on disk
// for `velquin --plan`, of the bytes Create would write now for the preview.
// The installation folder, every file the engine installs with its target,
// overwrite rule and size, what is shown before and after, the check boxes
// the user sees, every shortcut, and what uninstalling removes. Each item
// names the entry of the file it comes from, and carries the check's
// findings on that entry's line (those of no item stand in a group of their
// own), so the plan and the check of the same bytes cannot disagree.
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

#include "settings/check/file_check.h"
#include "settings/check/ship_check.h"
#include "settings/format/engine_reading.h"
#include "settings/platform/folder_scan.h"

namespace velquin {

struct PlanItem {
  PlanItem() = default;
  PlanItem(std::string label, std::string value = {})
      : label(std::move(label)), value(std::move(value)) {}

  std::string label;                   // UTF-8: what (a setting, a file, a shortcut)
  std::string value;                   // UTF-8: what it becomes or does
  std::optional<std::uintmax_t> size;  // bytes: a file's size, a group's total
  std::string source;                  // the entry of the file: "[Files] Item3"
  std::vector<FileFinding> findings;   // the check's findings on that entry's line
  std::vector<PlanItem> children;

  std::optional<FieldRef> field;  // the field the entry is written for
  std::size_t fileLine = 0;       // the entry's line in the file; 0: none
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
  // that file's), or still to be written (the preview, whose size is that
  // of the bytes read).
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

// The plan of what the engine reads, with the check's `findings` of the same
// bytes beside the items on their lines.
InstallPlan makeInstallPlan(const EngineReading& reading, const PlanFolder& folder,
                            const std::vector<FileFinding>& findings);

// The text planText(makeInstallPlan(...)) gives, made without an item for
// each entry of [Files]: each is written as it is described, with the
// findings on its line (velquin --plan, where the list may name every file
// of a large folder).
std::string installPlanText(const EngineReading& reading, const PlanFolder& folder,
                            const std::vector<FileFinding>& findings);

// A size as the plan writes it: "40,960 バイト".
std::string sizeText(std::uintmax_t bytes);

// The label, value, size and source of an item on one line, as planText
// writes it (without indent).
std::string itemText(const PlanItem& item);

// The plan as indented text: a group a line, its items indented by two
// blanks a level, findings below their item. Lines end in "\n".
std::string planText(const InstallPlan& plan);

}  // namespace velquin
