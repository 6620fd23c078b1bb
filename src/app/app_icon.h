#pragma once

#include <QIcon>
#include <QPixmap>
#include <array>

namespace velquin::app {

// The application's icon: a settings sheet on a carton, with the arrow of an
// installation. Drawn, not loaded: the window's icon needs no image file, and
// the icon files of the Linux install are drawn from it at build time.
QIcon appIcon();

// The sizes the icon is drawn at, for the window, the task bar and the
// desktop's menus.
inline constexpr std::array<int, 7> kAppIconSizes{16, 24, 32, 48, 64, 128, 256};

// The icon at `size` × `size` pixels.
QPixmap appIconPixmap(int size);

}  // namespace velquin::app
