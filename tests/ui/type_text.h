#pragma once

// Types text into a widget as key presses carrying the characters, which
// works for Japanese text too (QTest::keyClicks takes ASCII only).

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

namespace velquin::test {

inline void typeText(QWidget* w, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  }
}

// Text from an input method: first shown as preedit (not yet typed), then
// committed.
inline void commitText(QWidget* w, const QString& text) {
  QInputMethodEvent preedit(text, {});
  QApplication::sendEvent(w, &preedit);
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(w, &commit);
}

// Pastes `text` from the clipboard with Ctrl+V, as from another program.
inline void pasteText(QWidget* w, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
}

}  // namespace velquin::test
