#pragma once

// The end of start-up, and the hook that measures it.
//
// Every run builds the detailed-settings dialog right after the main
// window's first paint. A measured run ends there instead, printing what was
// shown, when VELQUIN_QUIT_AFTER_SHOW says so:
//   "1"        after the main window's first paint, before the dialog is
//              built (the start-up benchmark, the zip's check):
//                shown TITLE WIDTHxHEIGHT
//   "fonts"    the same line, then the face that the platform really gave a
//              caption and a button (the Windows start-up test):
//                Label1 FAMILY PIXELSpx[ bold][ fixed-pitch]
//                ButtonSansho FAMILY PIXELSpx[ bold][ fixed-pitch]
//   "details"  once the dialog has been built (the start-up test): the shown
//              line, then
//                dialog NAME WIDTHxHEIGHT hidden, owned by TITLE
// The run then ends with exit code 0. Any other value, or none, lets it go on.

#include <functional>

class QDialog;
class QWidget;

namespace velquin::app {

// Calls `detailsDialog` (which builds the dialog) once the first paint of
// `mainWindow` has reached the screen, unless the measured run ends first.
void buildDetailsAfterFirstPaint(QWidget& mainWindow, std::function<QDialog*()> detailsDialog);

}  // namespace velquin::app
