#pragma once

// The window program's start: the command line's actions answered without a
// window (command_line.h), else the application, the main window, the hidden
// detailed-settings dialog, and the event loop until the main window closes.

#include <filesystem>
#include <functional>
#include <vector>

class QApplication;
class QDialog;
class QWidget;

namespace velquin {
class InstallSettings;
class UserPrompts;
}  // namespace velquin

namespace velquin::app {

// What runs once the main window's first paint has reached the screen, from
// the event loop: by default `detailsDialog()`, which builds the
// detailed-settings dialog, so that the author sees the window without
// waiting for its six pages. (The start-up's tests and benchmark end the run
// there instead.)
using AfterFirstPaint =
    std::function<void(QWidget& mainWindow, const std::function<QDialog*()>& detailsDialog)>;
void buildDetails(QWidget& mainWindow, const std::function<QDialog*()>& detailsDialog);

// The whole window program; gives its exit code. Where the window cannot
// open (no display), it says so in one line on the error output and ends
// with 2.
int runWindowProgram(int argc, char** argv, const AfterFirstPaint& afterFirstPaint = buildDetails);

// Chooses the program named on the command line (CommandLine::programs): one existing .exe file
// becomes EditProgram, with the reset as after 参照; anything else is refused in an information box
// and nothing is chosen. A relative path is taken from the folder the tool was started in.
void chooseProgramFromCommandLine(const std::vector<std::filesystem::path>& arguments,
                                  InstallSettings& settings, UserPrompts& prompts);

// Loads Qt's own Japanese texts (the file dialog, the context menus of the
// fields), whatever the system's language, since the whole tool speaks
// Japanese. They are looked for beside the executable (translations/, as
// the Windows zip ships them) and then where Qt keeps them. False when no
// translation was found.
bool installJapaneseQtTexts(QApplication& app);

}  // namespace velquin::app
