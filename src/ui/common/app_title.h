#pragma once

#include <QString>

namespace velquin::ui {

// The application title: the main window's caption, the text of its task-bar
// button and the caption of the information box and the error report.
inline QString appTitle() { return QStringLiteral("Velquin"); }

}  // namespace velquin::ui
