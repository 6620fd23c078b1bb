#pragma once

// Scripted boxes and file dialog for the main window's tests: every box the
// user would see is logged with its text, and the answers are given in
// advance. An unscripted question fails the test.

#include <gtest/gtest.h>

#include <QStringList>
#include <deque>

#include "ui/common/dialogs.h"

namespace velquin::test {

class FakeDialogs : public ui::Dialogs {
 public:
  std::deque<Answer> answers;                // for confirm
  std::deque<std::optional<QString>> files;  // for chooseProgramFile; nullopt = cancelled
  QStringList log;                           // "info: TEXT", "confirm: TEXT", "error: TEXT", "open"

  void showInformation(const QString& text) override { log << QStringLiteral("info: ") + text; }
  Answer confirm(const QString& text) override {
    log << QStringLiteral("confirm: ") + text;
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return Answer::Cancel;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void showError(const QString& text) override { log << QStringLiteral("error: ") + text; }
  std::optional<QString> chooseProgramFile() override {
    log << QStringLiteral("open");
    if (files.empty()) {
      ADD_FAILURE() << "unexpected file dialog";
      return std::nullopt;
    }
    auto f = files.front();
    files.pop_front();
    return f;
  }
};

}  // namespace velquin::test
