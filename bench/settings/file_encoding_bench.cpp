// Reading 1 MB of a settings file saved in UTF-8 into code page 932: text
// whose every character the code page holds (the floor) beside text where
// every other Japanese character is one it cannot hold. Then the reading of
// a file without a mark whose encoding must be told: a Shift-JIS file whose
// bytes are valid UTF-8 too, so that both readings are scored, and an ASCII
// file of 100,000 entries, which needs no scoring.
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

void BM_SettingsFileTextBothWays(benchmark::State& state) {
  // "Item1 = ﾊｲﾃｸ\ﾊｲﾃｸ.txt" in Shift-JIS, which is UTF-8 too.
  convert(state, "Item1 = \xCA\xB2\xC3\xB8\\\xCA\xB2\xC3\xB8.txt\r\n");
}
BENCHMARK(BM_SettingsFileTextBothWays)->Unit(benchmark::kMillisecond);

void BM_SettingsFileTextAscii100000Entries(benchmark::State& state) {
  std::string text = "[Files]\r\n";
  for (int i = 1; i <= 100000; ++i) text += "Item" + std::to_string(i) + " = dir\\file.txt\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(settingsFileText(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_SettingsFileTextAscii100000Entries)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velquin
