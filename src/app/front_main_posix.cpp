// velquin on Linux: it takes Qt's options for the window program, which it
// becomes (exec: the same arguments and the same process).

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app_texts.h"
#include "console_output.h"
#include "front_main.h"

namespace velquin::app::front {
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

const QtOptions kQtOptions = QtOptions::Taken;

void prepareAction(const CommandLine& commandLine, char** argv) {
  if (commandLine.action == CommandLine::Action::Check ||
      commandLine.action == CommandLine::Action::Plan)
    askForLargePages(argv);
}

int startWindowProgram(char** argv) {
  const std::optional<std::filesystem::path> window = windowProgram();
  if (window) execv(window->c_str(), argv);
  printText(texts::commandLineError(texts::windowProgramNotStarted(
                window ? window->string() : std::string("velquin-window"))),
            true);
  return 2;
}

}  // namespace velquin::app::front
