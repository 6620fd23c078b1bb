#pragma once

#include <QString>

namespace velquin::ui {

// The application title: the text of the task-bar button and the caption of
// the information box and the error report; the main window's caption in
// form1.ui is the same.
inline QString appTitle() { return QStringLiteral("Velquin"); }

}  // namespace velquin::ui
