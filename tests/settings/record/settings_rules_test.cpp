#include "settings/record/settings_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace velquin {
namespace {

using P = OptionalPart;

std::set<P> partsInUse(const InstallSettings& s) {
  std::set<P> on;
  for (P p : {P::InstallDir, P::StartMenu, P::Startup, P::Desktop, P::Uninstall})
    if (inUse(s, p)) on.insert(p);
  return on;
}

// Which optional parts the author's choices turn on; each part follows its
// own deciding field only.
TEST(SettingsRules, EachPartFollowsItsOwnField) {
  struct Case {
    const char* what;
    std::function<void(InstallSettings&)> edit;
    std::set<P> on;
  };
  const std::vector<Case> cases{
      {"start-up values", [](InstallSettings&) {}, {}},
      {"an install directory of one blank",
       [](InstallSettings& s) { s.setText(TextField::EditInstallDir, " "); },
       {P::InstallDir}},
      {"start menu, don't check",
       [](InstallSettings& s) { s.select(Option::RadioButtonStartNoCheck); },
       {P::StartMenu}},
      {"startup and desktop",
       [](InstallSettings& s) {
         s.select(Option::RadioButtonStartupNoCheck);
         s.select(Option::RadioButtonDesktopCheck);
       },
       {P::Startup, P::Desktop}},
      {"all users decides nothing",
       [](InstallSettings& s) { s.select(Option::RBAllUsersKotei); },
       {}},
      {"an uninstall key",
       [](InstallSettings& s) { s.setText(TextField::EditUninstallKey, "T"); },
       {P::Uninstall}},
  };
  for (const Case& c : cases) {
    InstallSettings s;
    c.edit(s);
    EXPECT_EQ(partsInUse(s), c.on) << c.what;
  }
}

// A field of a part not in use can't be edited, except the one that turns
// the part on; the uninstall lists apply with or without a key. The file
// holds what is in use, and the uninstall section only with its key.
TEST(SettingsRules, EditableAndWrittenFollowTheParts) {
  InstallSettings s;
  for (FieldRef f : {FieldRef(TextField::EditInstallDir), FieldRef(ChoiceField::RadioButtonStart),
                     FieldRef(TextField::EditUninstallKey), FieldRef(ListField::MemoRmDir),
                     FieldRef(ListField::MemoUninstallRegKey), FieldRef(ListField::MemoFiles)})
    EXPECT_TRUE(isEditable(s, f)) << fieldName(f);
  for (FieldRef f : {FieldRef(TextField::EditInstallDirReg), FieldRef(ListField::MemoGroupItem),
                     FieldRef(CheckField::CheckBox1), FieldRef(TextField::EditUninstallName),
                     FieldRef(IndexField::RadioGroupNotAdmin)}) {
    EXPECT_FALSE(isEditable(s, f)) << fieldName(f);
    EXPECT_FALSE(isWritten(s, f)) << fieldName(f);
  }
  EXPECT_FALSE(isWritten(s, Section::Uninstall));
  EXPECT_FALSE(isWritten(s, Section::RmDir));

  s.setText(TextField::EditUninstallKey, "T");
  s.setLines(ListField::MemoRmDir, {""});  // an empty line counts
  EXPECT_TRUE(isEditable(s, TextField::EditUninstallName));
  EXPECT_TRUE(isWritten(s, IndexField::RadioGroupNotAdmin));
  EXPECT_TRUE(isWritten(s, Section::RmDir));
  EXPECT_FALSE(isWritten(s, Section::RegKey));
}

}  // namespace
}  // namespace velquin
