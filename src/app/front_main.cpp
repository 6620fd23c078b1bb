// velquin on Linux: the command line's actions without Qt, and the window
// program (velquin-window) for everything else.
//
// A release script's `velquin --check` is answered here, by a program that
// starts in a millisecond: loading Qt alone would take longer than reading
// a folder of many thousand files. Any other command line makes this process
// the window program (exec), with the same arguments and the same process.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "arguments.h"
#include "command_line.h"
#include "console_output.h"

namespace {

// The check of a long list touches tens of megabytes for a moment, in
// hundreds of thousands of small blocks, and on a virtual machine each first
// touch of a 4 KB page costs as much as checking a hundred entries. The C
// library can do better on request: large pages (one fault brings in 2 MB),
// a heap that grows in steps of 64 MB (so that its large pages fill whole),
// and large blocks from that heap too. That takes the check of 100,000 files
// from 9,500 faults to a few hundred. The library takes the request from the
// environment when the program starts, so the program starts once more with
// it (unless the caller set its own).
void askForLargePages(char** argv) {
  if (std::getenv("GLIBC_TUNABLES")) return;
  if (setenv("GLIBC_TUNABLES",
             "glibc.malloc.hugetlb=1:glibc.malloc.top_pad=67108864:"
             "glibc.malloc.mmap_threshold=67108864",
             1) != 0)
    return;
  execv("/proc/self/exe", argv);
  unsetenv("GLIBC_TUNABLES");  // not started again: go on as it is
}

// velquin-window beside this program (the build tree, a folder of both), or
// where the package puts it; none when this program's own folder is not
// known (no /proc): a velquin-window of the current folder, or of PATH, may
// be anyone's.
std::optional<std::filesystem::path> windowProgram() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !self.is_absolute()) return std::nullopt;
  const std::filesystem::path folder = self.parent_path();
  for (const std::filesystem::path& candidate :
       {folder / "velquin-window", folder / ".." / "libexec" / "velquin" / "velquin-window"})
    if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  using velquin::app::CommandLine;
  const CommandLine commandLine =
      velquin::app::readCommandLine(velquin::app::commandLineArguments(argc, argv));
  if (commandLine.action == CommandLine::Action::Check ||
      commandLine.action == CommandLine::Action::Plan)
    askForLargePages(argv);
  if (const std::optional<int> exitCode =
          velquin::app::runCommandLineAction(commandLine, velquin::app::printText))
    return *exitCode;
  const std::optional<std::filesystem::path> window = windowProgram();
  if (window) execv(window->c_str(), argv);
  velquin::app::printText("velquin: ウィンドウのプログラム「" +
                              (window ? window->string() : std::string("velquin-window")) +
                              "」を起動できません。\n",
                          true);
  return 2;
}
