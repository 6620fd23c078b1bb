// Loading a large settings file: N [Files] entries and N/20 shortcuts in each
// list (20,000 and 1,000 at the top size), from disk into the record.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_trees.h"
#include "settings/format/round_trip.h"
#include "settings/format/settings_loader.h"

namespace velquin {
namespace {

void BM_LoadSettingsFile(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("velquin-load-bench-" + std::to_string(state.range(0)) + ".ini");
  {
    const std::string text = bench::largeSettingsFile(static_cast<int>(state.range(0)));
    std::ofstream(file, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  for (auto _ : state) {
    InstallSettings s;
    loadSettings(s, SettingsFile::read(file, "Rivo.ini"));
    benchmark::DoNotOptimize(s.lines(ListField::MemoFiles).data());
  }
  state.SetComplexityN(state.range(0));
  std::filesystem::remove(file);
}
BENCHMARK(BM_LoadSettingsFile)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// What Create will not keep of the same file, by the round trip, once it is
// loaded (Details asks it before the dialog shows).
void BM_NotKept(benchmark::State& state) {
  const SettingsFile file =
      SettingsFile::fromText(bench::largeSettingsFile(static_cast<int>(state.range(0))));
  InstallSettings s;
  loadSettings(s, file);
  for (auto _ : state) benchmark::DoNotOptimize(notKept(file, s).size());
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_NotKept)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace velquin
