#pragma once

// What the windows' .ui files cannot say, applied to a window once, right
// after its setupUi:
//
// - The tool's face (toolFont) at the pixel size that the dynamic property
//   `pixelSize` gives: on the window for all its text, and on a control whose
//   text has a size of its own. A .ui font states points, which the screen's
//   resolution would turn into other pixel sizes; the rest of a .ui font
//   (bold) is kept, and a bold caption stays as bold on a scaled screen
//   (200 %) as at 100 %.
// - The window's place on the screen, from its dynamic property
//   `windowPosition`: a .ui places the controls only. The window keeps to
//   the screen it opens on (window_fit.h).
// - Labels in maroon; a disabled label keeps the style's greyed colour.
// - Hints stay up kHintDisplayMs.
// - Captions are never cut: the layout is drawn for ＭＳ Ｐゴシック, and where
//   the face standing in runs wider, a one-line label, radio button or check
//   box grows to the right to the width of its caption, and the columns of a
//   radio group are divided by the width of their captions.

class QWidget;

namespace velquin::ui {

void applyWindowLook(QWidget* window);

}  // namespace velquin::ui
