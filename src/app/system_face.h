#pragma once

// The faces of the system's own parts (the message boxes, the file dialog)
// and how faces are drawn on Windows. Both do nothing outside Windows.

namespace velquin::app {

// Before the application exists. MS P Gothic is drawn by the system, as every
// Windows program draws it. Where a stand-in face takes its place (Wine has
// no Microsoft fonts), the system's rendering of it leaves bold captions thin
// and spreads the letters; Qt's own rasteriser then draws it as on Linux,
// where the windows were laid out with it.
void chooseFontEngine();

// Once the application exists. The boxes and the file dialog keep the
// system's face; where it has no Japanese glyphs (Wine, without the
// Microsoft fonts), those come from the windows' face rather than from the
// first face the system offers, which may be a serif or fixed-pitch one.
void addJapaneseFaceToSystemFont();

}  // namespace velquin::app
