#pragma once

// The detailed-settings dialog as the tool builds it: bound to a settings
// record through the shared binder, hidden until a test shows it. Controls
// are found by their names, the way the author sees them named in the tables
// of the dialog.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTabWidget>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "support/recording_prompts.h"
#include "ui/detail/form2.h"

namespace velquin::ui::test {

class Form2Test : public ::testing::Test {
 protected:
  InstallSettings settings;
  velquin::test::RecordingPrompts prompts;
  std::unique_ptr<TForm2> form = std::make_unique<TForm2>(settings, prompts);

  template <class W = QWidget>
  W* find(const char* name) {
    W* w = form->findChild<W*>(QLatin1String(name));
    if (!w) ADD_FAILURE() << "no control " << name;
    return w;
  }

  QTabWidget* pages() { return find<QTabWidget>("PageControl1"); }
  void click(const char* name) { find<QAbstractButton>(name)->click(); }

  // The names among `names` whose enabled state is not `enabled`.
  std::vector<std::string> notInState(const std::vector<const char*>& names, bool enabled) {
    std::vector<std::string> wrong;
    for (const char* n : names)
      if (QWidget* w = find(n); w && w->isEnabled() != enabled) wrong.emplace_back(n);
    return wrong;
  }
};

// The dependents of each source, in the order the rules set them.
inline const std::vector<const char*> kInstallDirDependents{
    "Label22", "Label23", "EditInstallDirReg", "RadioGroupFileDel"};
inline const std::vector<const char*> kStartMenuDependents{
    "Label7", "Label8", "Label1", "EditGroupInfo", "EditGroupName", "MemoGroupItem", "CheckBox1"};
inline const std::vector<const char*> kStartupDependents{"Label10", "Label11", "EditStartupInfo",
                                                         "MemoStartupItem"};
inline const std::vector<const char*> kDesktopDependents{"Label13", "Label14", "EditDesktopInfo",
                                                         "MemoDesktopItem"};
inline const std::vector<const char*> kUninstallDependents{"Label16",
                                                           "Label17",
                                                           "Label18",
                                                           "Label19",
                                                           "Label25",
                                                           "EditUninstallName",
                                                           "EditUninstallTitle",
                                                           "RadioGroupUninstallAll",
                                                           "RadioGroupUninstallRebootDlg",
                                                           "RadioGroupNotAdmin"};

}  // namespace velquin::ui::test
