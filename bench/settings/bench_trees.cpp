#include "bench_trees.h"

#include <fstream>

namespace velquin::bench {

std::string largeSettingsFile(int files) {
  std::string t;
  t.reserve(static_cast<std::size_t>(files) * 48);
  t += "[Application]\r\nName = Bench\r\n[Install]\r\nTitle = Bench setup\r\nTextFile = \r\n"
       "Program = \r\nAllUsers = -1\r\nMessage = \r\n[Files]\r\n";
  int n = 0;
  for (int i = 0; i < files; ++i)
    t += "Item" + std::to_string(++n) + " = data\\level" + std::to_string(i % 50) + "\\asset_" +
         std::to_string(i) + ".bin,2\r\n";
  t += "Item" + std::to_string(++n) + " = Rivo.exe,2\r\n";
  t += "Item" + std::to_string(++n) + " = Rivo.ini\r\n";
  for (const char* section : {"Group", "Startup", "Desktop"}) {
    t += std::string("[") + section + "]\r\nValue = 1\r\nInfo = help\r\n";
    if (section == std::string("Group")) t += "GroupName = Bench\r\n";
    for (int i = 1; i <= files / 20; ++i)
      t += "Item" + std::to_string(i) + " = Shortcut " + std::to_string(i) + ",bin\\tool" +
           std::to_string(i) + ".exe,/p,icons.dll," + std::to_string(i % 10) + "\r\n";
  }
  return t;
}

namespace {

// (Built with += rather than "d" + std::to_string(n), which GCC 12 in Release
// wrongly reports as an overlapping copy.)
std::string numbered(std::string_view stem, int n, std::string_view tail = {}) {
  std::string s(stem);
  s += std::to_string(n);
  s += tail;
  return s;
}

}  // namespace

void makeTree(const std::filesystem::path& root, int folders, int filesPerFolder) {
  namespace fs = std::filesystem;
  const int top = 10;
  for (int f = 0; f < folders; ++f) {
    const fs::path folder =
        f < top ? root / numbered("d", f) : root / numbered("d", f % top) / numbered("sub", f);
    fs::create_directories(folder);
    for (int i = 0; i < filesPerFolder; ++i)
      std::ofstream(folder / numbered("file", i, ".dat")) << 'x';
  }
}

}  // namespace velquin::bench
