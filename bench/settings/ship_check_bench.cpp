// The whole check before shipping of a file list of 100,000 lines against a
// distribution folder of 100,000 files in 1,000 folders (built once in the
// system's temporary folder), beside its floor in the same run: find(1)
// listing the same folder, as a whole process, its output read through a
// pipe. The goal: the check within 1.5 times find.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>

#include "bench_trees.h"
#include "settings/check/checker.h"
#include "settings/platform/folder_scan.h"

namespace velquin {
namespace {

// The tree, made at the first use and removed at the end of the run.
const std::filesystem::path& tree() {
  struct Tree {
    std::filesystem::path root;
    Tree() {
      std::random_device rd;
      root =
          std::filesystem::temp_directory_path() / ("velquin-check-bench-" + std::to_string(rd()));
      bench::makeTree(root, 1000, 100);
    }
    ~Tree() { std::filesystem::remove_all(root); }
  };
  static const Tree t;
  return t.root;
}

// Seven repetitions, and their best beside mean and median: the floor is
// timed best of N, as scan_vs_find.sh times it.
void bestOfSeven(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMillisecond)
      ->Repetitions(7)
      ->ComputeStatistics("best", [](const std::vector<double>& v) {
        return *std::min_element(v.begin(), v.end());
      });
}

void BM_FindOverTheFolder(benchmark::State& state) {
  const std::string command = "find '" + tree().string() + "' -type f";
  std::size_t lines = 0;
  for (auto _ : state) {
    FILE* find = popen(command.c_str(), "r");
    if (!find) {
      state.SkipWithError("find did not start");
      break;
    }
    char buffer[1 << 16];
    lines = 0;
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, find))
      for (std::size_t i = 0; i < n; ++i) lines += buffer[i] == '\n';
    pclose(find);
  }
  state.counters["files"] = static_cast<double>(lines);
}
BENCHMARK(BM_FindOverTheFolder)->Apply(bestOfSeven);

// The scan of the folder, the check's context made from it and the record's
// file list (every file listed, as Details lists them), and every rule.
void BM_ShipCheckWhole(benchmark::State& state) {
  InstallSettings s;
  s.setLines(ListField::MemoFiles, scanFolder(tree()).lines);
  std::size_t findings = 0;
  for (auto _ : state) {
    Checker checker(s);
    checker.setFolderFiles(scanFolder(tree()).lines, "Rivo.ini");
    findings = checker.findings().size();
  }
  if (findings != 0) state.SkipWithError("a clean folder gave findings");
  state.counters["lines"] = static_cast<double>(s.lines(ListField::MemoFiles).size());
}
BENCHMARK(BM_ShipCheckWhole)->Apply(bestOfSeven);

// The same without the scan: what the check adds to it (the copy of the
// folder's listing that it takes over left out).
void BM_ShipCheckWithoutScan(benchmark::State& state) {
  InstallSettings s;
  const std::vector<std::string> folder = scanFolder(tree()).lines;
  s.setLines(ListField::MemoFiles, folder);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> listing = folder;
    state.ResumeTiming();
    Checker checker(s);
    checker.setFolderFiles(std::move(listing), "Rivo.ini");
    benchmark::DoNotOptimize(checker.findings());
  }
}
BENCHMARK(BM_ShipCheckWithoutScan)->Apply(bestOfSeven);

// The check after an edit of one line in the middle of a file list of N
// lines, kept by the checker: its cost follows the edit, not the list (the
// figures at 1,000 and 100,000 lines should be alike).
void BM_CheckerLineEdit(benchmark::State& state) {
  const auto count = static_cast<std::size_t>(state.range(0));
  std::vector<std::string> folder;
  for (std::size_t i = 0; i < count; ++i) folder.push_back("data\\file" + std::to_string(i));
  InstallSettings s;
  s.setLines(ListField::MemoFiles, folder);
  Checker checker(s);
  checker.setFolderFiles(folder, "Rivo.ini");
  benchmark::DoNotOptimize(checker.counts(ListField::MemoFiles));
  const std::size_t middle = count / 2;
  bool typed = false;
  for (auto _ : state) {
    // A letter typed at the end of the line, and taken back.
    typed = !typed;
    s.replaceLines(ListField::MemoFiles, middle, 1, {folder[middle] + (typed ? "x" : "")});
  }
  if (checker.counts(ListField::MemoFiles).errors > 1) state.SkipWithError("more than the edit");
}
BENCHMARK(BM_CheckerLineEdit)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velquin
