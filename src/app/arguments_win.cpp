#include <algorithm>
#include <iterator>

#include "arguments.h"
#include "settings/platform/paths.h"
#include "settings/platform/windows_api.h"
// CommandLineToArgvW, from the shell's part, which the wrapper leaves out.
#include <shellapi.h>

namespace velquin::app {
namespace {

std::vector<std::string> wideArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  int count = 0;
  if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
    for (int i = 1; i < count; ++i) arguments.push_back(pathToUtf8(std::filesystem::path(wide[i])));
    LocalFree(wide);
    if (count == argc) return arguments;
  }
  // The code page's text, should the wide command line not match argv.
  arguments.clear();
  for (int i = 1; i < argc; ++i) {
    const int size = MultiByteToWideChar(CP_ACP, 0, argv[i], -1, nullptr, 0);
    std::wstring wide(size > 0 ? static_cast<std::size_t>(size) : 1u, L'\0');
    MultiByteToWideChar(CP_ACP, 0, argv[i], -1, wide.data(), size);
    wide.resize(wide.size() - 1);
    arguments.push_back(pathToUtf8(std::filesystem::path(std::move(wide))));
  }
  return arguments;
}

}  // namespace

std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv) {
  const std::vector<std::string> mended = mendQuotedFolders(wideArguments(argc, argv));
  std::vector<std::filesystem::path> arguments;
  std::transform(mended.begin(), mended.end(), std::back_inserter(arguments), pathFromUtf8);
  return arguments;
}

}  // namespace velquin::app
