#pragma once

// The main window as the application builds it, with the real detailed-
// settings dialog, on the offscreen platform; its prompts are scripted.

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "settings/platform/paths.h"
#include "settings/record/install_settings.h"
#include "support/recording_prompts.h"
#include "type_text.h"
#include "ui/detail/form2.h"
#include "ui/main/form1.h"

namespace velquin::test {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    form.setDetailsDialog([this] { return &form2; });
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  template <class W = QWidget>
  W* find(const char* name) {
    W* w = form.findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

  // Replaces a field's text as the user would: select all, type.
  void type(const char* name, const QString& text) {
    QLineEdit* e = edit(name);
    e->selectAll();
    if (text.isEmpty())
      QTest::keyClick(e, Qt::Key_Delete);
    else
      typeText(e, text);
  }

  // A path in the test's folder, as the file dialog gives it.
  QString pathIn(const QString& name) const { return QDir::toNativeSeparators(dir.filePath(name)); }

  // Browse with the file dialog answering `path`.
  void browseTo(const QString& path) {
    prompts.files.push_back(pathFromUtf8(path.toStdString()));
    click("ButtonSansho");
  }

  // The three main fields filled, so that Create gets past its checks.
  void fillMainFields() {
    type("EditName", QStringLiteral("Velquin"));
    type("EditInstallTitle", QStringLiteral("Velquinのインストール"));
  }

  // Whether the window's close request was granted (the window is hidden).
  bool tryClose() { return form.close(); }

  QTemporaryDir dir;
  InstallSettings settings;
  Checker checker{settings};
  RecordingPrompts prompts;
  ui::TForm1 form{settings, prompts, checker};
  ui::TForm2 form2{settings, prompts, checker, &form};
};

}  // namespace velquin::test
