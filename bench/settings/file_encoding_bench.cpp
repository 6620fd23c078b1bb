// Reading 1 MB of a settings file saved in UTF-8 into code page 932: text
// whose every character the code page holds (the floor) beside text where
// every other Japanese character is one it cannot hold.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/format/file_encoding.h"

namespace velquin {
namespace {

void convert(benchmark::State& state, std::string_view piece) {
  std::string text;
  while (text.size() < (1 << 20)) text += piece;
  for (auto _ : state) benchmark::DoNotOptimize(settingsFileText(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_SettingsFileTextUtf8(benchmark::State& state) {
  convert(state, "Item1 = 表示ソフトのヘルプ～,help\\ｱ.txt\r\n");
}
BENCHMARK(BM_SettingsFileTextUtf8)->Unit(benchmark::kMillisecond);

void BM_SettingsFileTextUtf8NotShiftJis(benchmark::State& state) {
  convert(state, "Item1 = 表😀ソ〜の—ル−,help\\ｱ.txt\r\n");
}
BENCHMARK(BM_SettingsFileTextUtf8NotShiftJis)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velquin
