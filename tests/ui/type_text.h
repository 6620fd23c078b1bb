#pragma once

// Types text into a widget as key presses carrying the characters, which
// works for Japanese text too (QTest::keyClicks takes ASCII only).

#include <QApplication>
#include <QKeyEvent>
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

}  // namespace velquin::test
