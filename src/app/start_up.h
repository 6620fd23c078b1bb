#pragma once

// What start-up takes from outside the windows: the command line's actions
// printed (command_line.h reads it), a program named on it, and Qt's own
// texts in Japanese.

#include <QStringList>
#include <string>

class QApplication;

namespace velquin {
class InstallSettings;
class UserPrompts;
}  // namespace velquin

namespace velquin::app {

// Prints `utf8` to the standard output, or the error output. velquin.exe is a
// window program, which Windows starts without a console: there the text
// goes to the console of the command prompt that started it, in UTF-16 so
// that Japanese shows whatever its code page, or to the file or pipe that
// the output goes to.
void printText(const std::string& utf8, bool toErrorOutput = false);

// Chooses the program named on the command line (the arguments that are not
// Qt's, without the program's own name): one existing .exe file becomes
// EditProgram, with the reset as after 参照; anything else is refused in an
// information box and nothing is chosen. A relative path is taken from the
// folder the tool was started in.
void chooseProgramFromCommandLine(const QStringList& arguments, InstallSettings& settings,
                                  UserPrompts& prompts);

// Loads Qt's own Japanese texts (the file dialog, the context menus of the
// fields), whatever the system's language, since the whole tool speaks
// Japanese. They are looked for beside the executable (translations/, as
// the Windows zip ships them) and then where Qt keeps them. False when no
// translation was found.
bool installJapaneseQtTexts(QApplication& app);

}  // namespace velquin::app
