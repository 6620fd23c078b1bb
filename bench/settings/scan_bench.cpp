// Scanning a distribution folder of 100,000 files in 1,000 folders (built
// once in the system's temporary folder). scan_vs_find.sh compares the same
// scan with find(1) on one tree.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "bench_trees.h"
#include "settings/platform/folder_scan.h"

namespace velquin {
namespace {

void BM_ScanFolder(benchmark::State& state) {
  std::random_device rd;
  const auto root =
      std::filesystem::temp_directory_path() / ("velquin-scan-bench-" + std::to_string(rd()));
  const int folders = static_cast<int>(state.range(0));
  bench::makeTree(root, folders, 100);
  std::size_t lines = 0;
  for (auto _ : state) {
    FolderScan scan = scanFolder(root);
    lines = scan.lines.size();
    benchmark::DoNotOptimize(scan.lines.data());
  }
  if (lines != static_cast<std::size_t>(folders) * 100) state.SkipWithError("lines missing");
  state.counters["files"] = static_cast<double>(lines);
  state.SetComplexityN(state.range(0) * 100);
  std::filesystem::remove_all(root);
}
BENCHMARK(BM_ScanFolder)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace velquin
