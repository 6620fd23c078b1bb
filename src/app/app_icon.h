#pragma once

#include <QIcon>

namespace velquin::app {

// The application's icon, 32 × 32: a settings sheet on a carton, with the
// arrow of an installation. Drawn at start-up; no image file to ship.
QIcon appIcon();

}  // namespace velquin::app
