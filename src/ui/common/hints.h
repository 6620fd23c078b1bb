#pragma once

// Hints (pop-up help on resting the pointer) of both windows.
//
// The hints teach the author the syntax the installer engine expects, and
// some run to several lines, so they stay up for two minutes instead of
// Qt's few seconds. They appear half a second after the pointer comes to rest
// and go when it leaves the control or the time runs out.
//
// They are drawn in the colours of the system's hints, on a plain panel of
// their background colour (a theme's own panel may not be what its text
// colour was chosen for); where that pair is hard to read (grey on white in
// some themes under Wine), black on pale yellow.
//
// Use:
//   installHints();                      // once, before the windows are built
//   setHint(EditName, u"例、Velquin"_s);  // every control that has a hint
// Lines of a hint are separated by a single line feed, as in the tool's texts.

#include <QString>

class QWidget;

namespace velquin::ui {

inline constexpr int kHintDisplayMs = 120'000;
inline constexpr int kHintWakeUpMs = 500;

// Makes the application's style pop hints up after kHintWakeUpMs and draw
// them readable. Safe to call more than once; needs a QApplication.
void installHints();

// Gives `widget` the hint `text`, shown for kHintDisplayMs. An empty text
// removes the hint.
void setHint(QWidget* widget, const QString& text);

}  // namespace velquin::ui
