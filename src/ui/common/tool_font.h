#pragma once

#include <QFont>

namespace velquin::ui {

// The font of both windows: MS P Gothic at `pixelSize` pixels (character
// height, regular), or IPA P Gothic, which has the same proportional metrics,
// where MS P Gothic is not installed.
//
// Only installed names are asked for: every missing name in a font request
// makes the font system search for substitutes, which costs more at start-up
// than building a window.
QFont toolFont(int pixelSize);

}  // namespace velquin::ui
