// Times the folder scan of one folder for scan_vs_find.sh: prints the best
// of N runs in milliseconds and the number of lines.
//   velquin_scan_timer FOLDER [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "settings/platform/folder_scan.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  double best = 1e300;
  std::size_t lines = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const velquin::FolderScan scan = velquin::scanFolder(argv[1]);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    lines = scan.lines.size();
    if (took.count() < best) best = took.count();
  }
  std::printf("%.3f %zu\n", best, lines);
  return 0;
}
