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
  Checker checker{settings};
  velquin::test::RecordingPrompts prompts;
  std::unique_ptr<TForm2> form = std::make_unique<TForm2>(settings, prompts, checker);

  template <class W = QWidget>
  W* find(const char* name) {
    W* w = form->findChild<W*>(QLatin1String(name));
    if (!w) ADD_FAILURE() << "no control " << name;
    return w;
  }

  QTabWidget* pages() { return find<QTabWidget>("PageControl1"); }
  void click(const char* name) { find<QAbstractButton>(name)->click(); }
};

}  // namespace velquin::ui::test
