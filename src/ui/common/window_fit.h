#pragma once

// Windows that open wholly on the screen, at every scale.
//
// The layouts are in pixels at 96 dpi; at 200 % the detailed-settings
// dialog is taller than a screen of 1,000 pixels. Each time a window is
// shown, on the available area of the screen it opens on (without the task
// bar):
//
// - A window of a fixed layout (no Qt layout) that does not fit keeps its
//   controls at their places and sizes: the row of buttons along its bottom
//   edge (the controls standing below all others) stays in sight, and what
//   stands above it scrolls, in a window as large as the area allows. A
//   control that takes the focus is scrolled into sight. Where the window
//   fits, it looks as its layout says, whether it scrolled before or not.
// - A window with a Qt layout shrinks to the area.
// - The frame is moved as little as it takes to lie wholly on the area.

class QWidget;

namespace velquin::ui {

// Fits `window` on its screen each time it is shown. Call once, when its
// controls stand at the places and sizes of its layout.
void keepOnScreen(QWidget* window);

}  // namespace velquin::ui
